"""The README's Dask recipes on two worker processes give one evaluation's bits."""
import logging

import numpy as np
import pandas as pd

import quorvex


def test_dask_array_and_dataframe_on_two_processes():
    import dask.array as da
    import dask.dataframe as dd
    from distributed import Client, LocalCluster

    rng = np.random.default_rng(4)
    x, y = rng.uniform(-2, 2, 200_000), rng.uniform(0, 3, 200_000)
    x[::997] = 1  # failing rows: division by zero
    f = quorvex.Formula("sqrt(y)*ln(x+3)/(x-1)", ("x", "y"))
    expected = f.evaluate(x=x, y=y, errors="nan")
    assert np.isnan(expected).sum() == len(x[::997])
    with LocalCluster(n_workers=2, threads_per_worker=1, processes=True, host="127.0.0.1",
                      dashboard_address=None, silence_logs=logging.ERROR) as cluster, \
            Client(cluster, timeout=60) as client:
        xs, ys = da.from_array(x, chunks=25_000), da.from_array(y, chunks=25_000)
        blocks = da.map_blocks(lambda a, b: f.evaluate(x=a, y=b, errors="nan", threads=1),
                               xs, ys, dtype=float)
        frame = dd.from_pandas(pd.DataFrame({"x": x, "y": y}), npartitions=8)
        column = frame.map_partitions(
            lambda p: pd.Series(f.evaluate(x=p.x, y=p.y, errors="nan", threads=1),
                                index=p.index), meta=("F", "f8"))
        from_blocks, from_frame = client.compute([blocks, column])
        assert from_blocks.result(timeout=120).tobytes() == expected.tobytes()
        assert from_frame.result(timeout=120).to_numpy().tobytes() == expected.tobytes()
        assert len(client.scheduler_info()["workers"]) == 2
