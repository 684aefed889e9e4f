"""Running zerin-cli for the zerin.devices modules and reading its JSON."""

import json
import os
import tempfile

from ansible.module_utils.common.text.converters import to_native

APPLY_OK = ('applied', 'unchanged')
DRY_RUN_OK = ('would change', 'unchanged')
CHANGED = ('applied', 'would change')


def common_options():
    """The options every module takes: where the tool is and where to search."""
    return dict(
        adapter=dict(type='list', elements='str', default=[]),
        target=dict(type='list', elements='str', default=[]),
        cli=dict(type='str', default='zerin-cli'),
    )


def apply_options():
    """The options of the modules that run apply."""
    options = common_options()
    options.update(
        user=dict(type='str'),
        password=dict(type='str', no_log=True),
        timeout=dict(type='float'),
        no_broadcast_password=dict(type='bool', default=False, no_log=False),
    )
    return options


def cli_path(module):
    cli = module.params['cli']
    if os.sep in cli:
        return cli
    return module.get_bin_path(cli, required=True)


def search_options(params):
    args = []
    for adapter in params['adapter']:
        args += ['--adapter', adapter]
    for target in params['target']:
        args += ['--target', target]
    return args


def run_json(module, args, ok_codes=(0,), data=None):
    """Runs the tool and returns what it printed as JSON; any other exit status fails the task."""
    rc, out, err = module.run_command(args, data=data, binary_data=True)
    if rc not in ok_codes:
        module.fail_json(msg=err.strip() or 'zerin-cli ended with status %d' % rc, rc=rc,
                         stdout=out, stderr=err)
    for line in to_native(err).splitlines():
        module.warn(line)  # such as an administrator password that went as a broadcast
    try:
        return json.loads(out)
    except ValueError as e:
        module.fail_json(msg='zerin-cli printed no JSON: %s' % to_native(e), rc=rc,
                         stdout=out, stderr=err)


def search(module):
    args = [cli_path(module), 'search', '--json'] + search_options(module.params)
    if module.params['window'] is not None:
        args += ['--window', str(module.params['window'])]
    return run_json(module, args)


def apply(module, path):
    """Runs apply on the file at path and returns its entries; the password goes on stdin only."""
    params = module.params
    args = [cli_path(module), 'apply', path, '--json']
    if module.check_mode:
        args.append('--dry-run')
    if params.get('jobs') is not None:
        args += ['--jobs', str(params['jobs'])]
    if params['timeout'] is not None:
        args += ['--timeout', str(params['timeout'])]
    args += search_options(params)
    if params['no_broadcast_password']:
        args.append('--no-broadcast-password')
    if params['user'] is not None:
        args += ['--user', params['user']]
    data = None
    if params['password'] is not None:
        args.append('--password-stdin')
        data = params['password'] + '\n'  # a line even for an empty password
    return run_json(module, args, ok_codes=(0, 1), data=data)


def apply_document(module, document):
    """Applies a document through a private temporary file, removed whatever happens."""
    fd, path = tempfile.mkstemp(prefix='zerin-', suffix='.json', dir=module.tmpdir)
    try:
        with os.fdopen(fd, 'w') as f:
            json.dump(document, f)
        return apply(module, path)
    finally:
        os.remove(path)


def entry_ok(module, entry):
    return entry['status'] in (DRY_RUN_OK if module.check_mode else APPLY_OK)


def entry_changed(entry):
    return entry['status'] in CHANGED


def diff(changes):
    return {
        'before': {c['field']: c['from'] for c in changes},
        'after': {c['field']: c['to'] for c in changes},
    }


def label(entry):
    return entry['name'] or entry['mac']
