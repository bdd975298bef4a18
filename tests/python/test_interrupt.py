"""Ctrl+C ends a long evaluation at once, on one thread or several."""
import os
import signal
import subprocess
import sys
import time

import pytest

CHILD = """
import sys, time, numpy as np, quorvex
f = quorvex.Formula("+".join(f"sin(x*{1 + k / 1000})" for k in range(300)), ("x",))
x = np.linspace(0, 1, 2_000_000)
print("ready", flush=True)
try:
    f.evaluate(x=x, threads=int(sys.argv[1]))
    print("finished", flush=True)
except KeyboardInterrupt:
    print("interrupted", flush=True)
"""


@pytest.mark.parametrize("threads", [1, 2])
def test_sigint_interrupts_within_a_piece(threads):
    child = subprocess.Popen([sys.executable, "-c", CHILD, str(threads)],
                             stdout=subprocess.PIPE, text=True, env=os.environ)
    try:
        assert child.stdout.readline().strip() == "ready"
        time.sleep(0.5)
        sent = time.monotonic()
        child.send_signal(signal.SIGINT)
        # Seconds of work are left: only the interrupt ends it this soon.
        assert child.stdout.readline().strip() == "interrupted"
        assert time.monotonic() - sent < 2
        assert child.wait(timeout=10) == 0
    finally:
        child.kill()
