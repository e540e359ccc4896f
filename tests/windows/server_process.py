"""Starting and stopping a test server in the background, for the servers of the Windows tests.

The server writes STATE/port once it listens; STATE/pid names its process."""
import os
import signal
import subprocess
import sys
import time


def launch(script, arguments, state):
    """Starts `script serve ARGUMENTS` and waits up to 10 s for STATE/port; 0 once it listens."""
    child = subprocess.Popen([sys.executable, script, "serve", *arguments],
                             stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                             stderr=subprocess.DEVNULL, start_new_session=True)
    with open(os.path.join(state, "pid"), "w") as f:
        f.write(str(child.pid))
    for _ in range(100):
        if os.path.exists(os.path.join(state, "port")):
            return 0
        if child.poll() is not None:
            break
        time.sleep(0.1)
    print("the server did not start", file=sys.stderr)
    return 1


def stop(state):
    """Ends the server that STATE/pid names: asked first, killed after 5 s."""
    pid_file = os.path.join(state, "pid")
    if not os.path.exists(pid_file):
        return 0
    with open(pid_file) as f:
        pid = int(f.read() or 0)
    os.remove(pid_file)
    try:
        os.kill(pid, signal.SIGTERM)
    except ProcessLookupError:
        return 0
    for _ in range(50):
        try:
            os.kill(pid, 0)
        except ProcessLookupError:
            return 0
        time.sleep(0.1)
    os.kill(pid, signal.SIGKILL)
    return 0
