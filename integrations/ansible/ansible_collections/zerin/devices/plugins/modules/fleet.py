"""Sets up the devices of an apply file with zerin-cli apply."""

from ansible.module_utils.basic import AnsibleModule
from ansible_collections.zerin.devices.plugins.module_utils import zerin_cli

DOCUMENTATION = r'''
module: fleet
short_description: Set up the devices of a zerin-cli apply file
description:
  - Runs C(zerin-cli apply) on a JSON file on the managed host, with C(defaults) for every
    entry, one entry a device (by C(mac) or C(name)) with the settings it should have, and
    optional C(targets). One search finds them all, then several devices are set up at once.
  - The task fails when any entry is neither applied nor unchanged (in check mode, neither
    would change nor unchanged); C(results) still lists every entry.
  - In check mode nothing is written and nothing is verified.
version_added: 1.0.0
author: Zerin
options:
  path:
    description:
      - The apply file on the managed host. Passwords never stand in it.
    type: path
    required: true
  jobs:
    description:
      - How many devices are set up at once (zerin-cli's default is 8).
    type: int
extends_documentation_fragment:
  - zerin.devices.cli
  - zerin.devices.cli.apply
'''

EXAMPLES = r'''
- name: Put the site's apply file on its host
  ansible.builtin.copy:
    src: "fleet/{{ inventory_hostname }}.json"
    dest: /etc/zerin/fleet.json
    mode: "0644"

- name: Set up the site's devices
  zerin.devices.fleet:
    path: /etc/zerin/fleet.json
    user: admin
    password: "{{ vault_zerin_password }}"
    timeout: 2
  register: fleet
'''

RETURN = r'''
results:
  description: One object an entry, in the file's order, as zerin-cli prints them.
  returned: when zerin-cli ran the file
  type: list
  elements: dict
  contains:
    mac:
      description: The device's MAC address, null when not found.
      type: str
    name:
      description: The device's name, when known.
      type: str
    status:
      description:
        - C(applied), C(unchanged), C(would change) (check mode), C(unconfirmed), C(refused),
          C(no answer), C(not found), C(not started) or C(failed).
      type: str
    changes:
      description: The fields that differ, each with C(field), C(from) and C(to).
      type: list
      elements: dict
    error:
      description: Why the entry failed, null when it did not.
      type: str
  sample:
    - {"mac": "02:5a:00:00:00:10", "name": "NETSTOR-000010", "status": "applied",
       "changes": [{"field": "description", "from": "Old name", "to": "Front desk"}],
       "error": null}
'''


def diffs(entries):
    """One diff a changed entry, headed by its device."""
    result = []
    for entry in filter(zerin_cli.entry_changed, entries):
        one = zerin_cli.diff(entry['changes'])
        one.update(before_header=zerin_cli.label(entry), after_header=zerin_cli.label(entry))
        result.append(one)
    return result


def main():
    options = zerin_cli.apply_options()
    options.update(path=dict(type='path', required=True), jobs=dict(type='int'))
    module = AnsibleModule(argument_spec=options, supports_check_mode=True)
    entries = zerin_cli.apply(module, module.params['path'])
    result = dict(changed=any(map(zerin_cli.entry_changed, entries)), results=entries)
    if module._diff:
        result['diff'] = diffs(entries)
    failing = [e for e in entries if not zerin_cli.entry_ok(module, e)]
    if failing:
        module.fail_json(msg='; '.join('%s %s: %s' % (zerin_cli.label(e), e['status'], e['error'])
                                       for e in failing), **result)
    module.exit_json(**result)


if __name__ == '__main__':
    main()
