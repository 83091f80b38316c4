#include "TestSupport.h"
class Test : public QObject { Q_OBJECT private slots: void nothing() {} };
LEARN3A_TEST_MAIN(Test)
#include "test_shell.moc"
