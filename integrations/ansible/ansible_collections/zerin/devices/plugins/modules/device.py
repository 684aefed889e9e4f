"""Sets one device's settings with zerin-cli apply."""

import re

from ansible.module_utils.basic import AnsibleModule
from ansible_collections.zerin.devices.plugins.module_utils import zerin_cli

DOCUMENTATION = r'''
module: device
short_description: Set up one network storage device
description:
  - Brings one device's settings to the values given, through C(zerin-cli apply) on the managed
    host. Settings left out keep the device's own values.
  - A device that already has every value gets no write (I(clock) aside, which always writes).
  - A guarded device (one that asks for its administrator's password) is written only after it
    has accepted I(user) and I(password).
  - In check mode nothing is written and nothing is verified; C(changed) says whether a run
    would write.
version_added: 1.0.0
author: Zerin
options:
  device:
    description:
      - The device's name, or its MAC address as C(xx:xx:xx:xx:xx:xx) in either case.
    type: str
    required: true
  description:
    description:
      - The device's description, at most 63 letters, digits, spaces, C(-) and C(_).
    type: str
  time_zone:
    description:
      - The time-zone index, 0 to 74, or C(none) for no time zone.
    type: raw
  clock:
    description:
      - The device's date and time, C(YYYY-MM-DD HH:MM:SS), or C(now) for the managed host's local
        time at the write.
    type: str
  ask_password:
    description:
      - Whether the device asks for its administrator's password.
    type: bool
  network:
    description:
      - The device's IP settings; suboptions left out keep the device's values.
    type: dict
    suboptions:
      mode:
        description: How the device gets its address.
        type: str
        choices: [static, dhcp]
      ip:
        description: The IPv4 address.
        type: str
      mask:
        description: The subnet mask.
        type: str
      gateway:
        description: The default gateway.
        type: str
      dns1:
        description: The primary DNS server.
        type: str
      dns2:
        description: The secondary DNS server.
        type: str
extends_documentation_fragment:
  - zerin.devices.cli
  - zerin.devices.cli.apply
'''

EXAMPLES = r'''
- name: Name a device and set its time zone
  zerin.devices.device:
    device: NETSTOR-000010
    description: Front desk
    time_zone: 56

- name: Give a guarded device a fixed address
  zerin.devices.device:
    device: 02:5a:00:00:00:11
    network:
      mode: static
      ip: 198.51.100.20
      gateway: 198.51.100.1
    user: admin
    password: "{{ vault_zerin_password }}"

- name: Set the clock and let the device go without a time zone
  zerin.devices.device:
    device: NETSTOR-000012
    clock: now
    time_zone: none
'''

RETURN = r'''
status:
  description:
    - The entry's status from zerin-cli, one of C(applied), C(unchanged), C(would change) (check
      mode), C(unconfirmed), C(refused), C(no answer), C(not found), C(not started) or C(failed).
  returned: always
  type: str
  sample: applied
changes:
  description: The fields that differ from the device's values, planned or written.
  returned: always
  type: list
  elements: dict
  sample: [{"field": "description", "from": "Old name", "to": "Front desk"}]
mac:
  description: The device's MAC address, when it was found.
  returned: always
  type: str
  sample: 02:5a:00:00:00:10
name:
  description: The device's name, when known.
  returned: always
  type: str
  sample: NETSTOR-000010
'''


MAC = re.compile(r'^[0-9a-f]{2}(:[0-9a-f]{2}){5}$', re.IGNORECASE)
SETTINGS = (('description', 'description'), ('clock', 'clock'), ('ask_password', 'askPassword'))
NETWORK = dict(
    mode=dict(type='str', choices=['static', 'dhcp']),
    ip=dict(type='str'),
    mask=dict(type='str'),
    gateway=dict(type='str'),
    dns1=dict(type='str'),
    dns2=dict(type='str'),
)


def time_zone(module, value):
    text = str(value).strip().lower()
    if text == 'none':
        return None
    if not text.isdigit() or int(text) > 74:
        module.fail_json(msg='time_zone takes an index from 0 to 74, or none')
    return int(text)


def entry(module):
    """The apply file's entry for the options given."""
    params = module.params
    result = {'mac' if MAC.match(params['device']) else 'name': params['device']}
    for option, key in SETTINGS:
        if params[option] is not None:
            result[key] = params[option]
    if params['time_zone'] is not None:
        result['timeZone'] = time_zone(module, params['time_zone'])
    network = {k: v for k, v in (params['network'] or {}).items() if v is not None}
    if network:
        result['network'] = network
    return result


def main():
    options = zerin_cli.apply_options()
    options.update(
        device=dict(type='str', required=True),
        description=dict(type='str'),
        time_zone=dict(type='raw'),
        clock=dict(type='str'),
        ask_password=dict(type='bool', no_log=False),
        network=dict(type='dict', options=NETWORK),
    )
    module = AnsibleModule(argument_spec=options, supports_check_mode=True)
    found = zerin_cli.apply_document(module, {'devices': [entry(module)]})[0]
    result = dict(changed=zerin_cli.entry_changed(found), status=found['status'],
                  changes=found['changes'], mac=found['mac'], name=found['name'])
    if module._diff and result['changed']:
        result['diff'] = zerin_cli.diff(found['changes'])
    if not zerin_cli.entry_ok(module, found):
        module.fail_json(msg=found['error'] or found['status'], **result)
    module.exit_json(**result)


if __name__ == '__main__':
    main()
