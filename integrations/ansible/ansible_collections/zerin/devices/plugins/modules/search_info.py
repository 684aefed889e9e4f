"""Lists the devices on the managed host's networks."""

from ansible.module_utils.basic import AnsibleModule
from ansible_collections.zerin.devices.plugins.module_utils import zerin_cli

DOCUMENTATION = r'''
module: search_info
short_description: Find the network storage devices around a host
description:
  - Runs C(zerin-cli search) on the managed host and returns every device that answered, once.
  - Changes nothing, also outside check mode.
version_added: 1.0.0
author: Zerin
options:
  window:
    description:
      - Seconds the search takes answers (zerin-cli's default is 2).
    type: float
extends_documentation_fragment:
  - zerin.devices.cli
'''

EXAMPLES = r'''
- name: List the devices on the site's network
  zerin.devices.search_info:
  register: found

- name: Search also a network behind a router, one second long
  zerin.devices.search_info:
    target:
      - 203.0.113.0/24
    window: 1
  register: found

- name: Show the names
  ansible.builtin.debug:
    msg: "{{ found.devices | map(attribute='name') | list }}"
'''

RETURN = r'''
devices:
  description: The devices that answered, as zerin-cli prints them.
  returned: success
  type: list
  elements: dict
  contains:
    name:
      description: The device's name.
      type: str
      sample: NETSTOR-000010
    mac:
      description: The device's MAC address.
      type: str
      sample: 02:5a:00:00:00:10
    ip:
      description: The device's IPv4 address.
      type: str
      sample: 198.51.100.10
    productCode:
      description: The product code the device reports.
      type: str
      sample: "0101"
    adapter:
      description: The adapter that heard the device, C(name) and C(address).
      type: dict
      returned: when found by broadcast
      sample: {"name": "eth0", "address": "198.51.100.2"}
    via:
      description: The target address that answered.
      type: str
      returned: when found through I(target)
      sample: 203.0.113.10
'''


def main():
    options = zerin_cli.common_options()
    options.update(window=dict(type='float'))
    module = AnsibleModule(argument_spec=options, supports_check_mode=True)
    module.exit_json(changed=False, devices=zerin_cli.search(module))


if __name__ == '__main__':
    main()
