#include "apptest.h"
class T final : public QObject { Q_OBJECT private slots: void none() { QVERIFY(true); } };
QUORVEX_TEST_MAIN(T)
#include "tst_windows.moc"
