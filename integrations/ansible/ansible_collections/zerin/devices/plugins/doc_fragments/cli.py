"""Options shared by the zerin.devices modules."""


class ModuleDocFragment(object):

    DOCUMENTATION = r'''
options:
  adapter:
    description:
      - Broadcast only through these network adapters, by name or address.
      - All adapters that are up when not given.
    type: list
    elements: str
    default: []
  target:
    description:
      - Search also by unicast to these addresses, CIDR blocks (C(203.0.113.0/24)) or ranges
        (C(203.0.113.10-203.0.113.40)), such as a network behind a router.
    type: list
    elements: str
    default: []
  cli:
    description:
      - The zerin-cli program, a name looked up in C(PATH) or a path.
    type: str
    default: zerin-cli
requirements:
  - zerin-cli on the managed host, on the devices' own network
notes:
  - Devices are found by broadcast, which no router passes; run the task on a host inside each
    site's network, or give C(target) for devices behind a router.
'''

    APPLY = r'''
options:
  user:
    description:
      - The administrator's name for guarded devices (those that ask for a password).
    type: str
  password:
    description:
      - The administrator's password, at most 8 bytes.
      - Handed to zerin-cli on its standard input only, never on a command line or in a file.
    type: str
  timeout:
    description:
      - Seconds to wait for a reply to each send of a request (zerin-cli's default is 3).
    type: float
  no_broadcast_password:
    description:
      - Refuse to verify a guarded device whose address lies outside the managed host's network,
        which only a broadcast reaches and so would hand the password to every host on the link.
        Such a device's entry is then refused, with nothing sent to it.
      - Without it the verification goes by broadcast, and zerin-cli warns on its standard error.
    type: bool
    default: false
'''
