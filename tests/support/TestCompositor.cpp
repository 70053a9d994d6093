#include "TestCompositor.h"

#include <QElapsedTimer>
#include <QFile>

TestCompositor::TestCompositor()
{
    QFile::setPermissions(runtime_.path(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

TestCompositor::~TestCompositor()
{
    if (process_.state() == QProcess::NotRunning)
        return;
    // End of input ends it.
    process_.closeWriteChannel();
    if (!process_.waitForFinished(3000)) {
        process_.kill();
        process_.waitForFinished(3000);
    }
}

bool TestCompositor::start(const QString& program)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_RUNTIME_DIR", runtime_.path());
    process_.setProcessEnvironment(env);
    process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process_.start(program, {});
    if (!process_.waitForStarted(5000))
        return false;
    const QByteArray ready = command({});
    if (!ready.startsWith("ready "))
        return false;
    socket_ = QString::fromUtf8(ready.mid(6));
    return true;
}

QByteArray TestCompositor::command(const QByteArray& line)
{
    if (!line.isEmpty())
        process_.write(line + '\n');
    // Every command is answered with one line; a read waits at most 5 s for its owner.
    QElapsedTimer timer;
    timer.start();
    while (!process_.canReadLine()) {
        if (process_.state() != QProcess::Running || timer.elapsed() > 10000)
            return {};
        process_.waitForReadyRead(100);
    }
    return process_.readLine().trimmed();
}

bool TestCompositor::offer(const Representations& reps)
{
    QByteArray line = "offer";
    for (const auto& [type, data] : reps)
        line += ' ' + type.toUtf8() + ' ' + (data.isEmpty() ? QByteArray("-") : data.toHex());
    return command(line) == "ok";
}

bool TestCompositor::offerHanging(const QStringList& types)
{
    return command("hang " + types.join(' ').toUtf8()) == "ok";
}

bool TestCompositor::offerGenerated(const QString& type, qint64 bytes)
{
    return command("generate " + type.toUtf8() + ' ' + QByteArray::number(bytes)) == "ok";
}

bool TestCompositor::clear()
{
    return command("clear") == "ok";
}

QStringList TestCompositor::types()
{
    const QByteArray answer = command("types");
    if (!answer.startsWith("types"))
        return {};
    return QString::fromUtf8(answer.mid(5)).split(' ', Qt::SkipEmptyParts);
}

std::optional<QByteArray> TestCompositor::read(const QString& type)
{
    const QByteArray answer = command("read " + type.toUtf8());
    if (!answer.startsWith("data"))
        return std::nullopt;
    return QByteArray::fromHex(answer.mid(4).trimmed());
}
