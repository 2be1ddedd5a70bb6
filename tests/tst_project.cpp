// The project's own promises: the README gives the two commands, and CI runs
// exactly the test command.
#include "support/TestMain.h"

#include <QFile>

class TestProject : public QObject {
    Q_OBJECT
private slots:
    void readmeAndCiAgree();
};

namespace {
QString sourceFile(const QString& relative)
{
    const QByteArray root = qgetenv("LARKSPAN_SOURCE_DIR");
    QFile f(QString::fromLocal8Bit(root) + QLatin1Char('/') + relative);
    if (root.isEmpty() || !f.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(f.readAll());
}
} // namespace

void TestProject::readmeAndCiAgree()
{
    const QString readme = sourceFile(QStringLiteral("README.md"));
    QVERIFY2(!readme.isEmpty(), "README.md not found under LARKSPAN_SOURCE_DIR");
    QVERIFY(readme.contains(QLatin1String("./larkspan run")));
    QVERIFY(readme.contains(QLatin1String("./larkspan test")));
    const QString ci = sourceFile(QStringLiteral(".ci/run"));
    QVERIFY2(!ci.isEmpty(), ".ci/run not found");
    bool calls = false;
    for (const QString& line : ci.split(QLatin1Char('\n')))
        calls = calls || (!line.trimmed().startsWith(QLatin1Char('#')) && line.trimmed() == QLatin1String("./larkspan test"));
    QVERIFY(calls);
}

LARKSPAN_TEST_MAIN(TestProject)
#include "tst_project.moc"
