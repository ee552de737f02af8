#include "birthplace/atlas_reader_process.h"

#include "birthplace/atlas_stream.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QtDebug>

namespace {

// How often a reader still at work is looked at, so that a closing program need not wait.
constexpr int Look_Interval_Ms = 50;

AtlasReading Problem(const QString& problem)
{
    AtlasReading reading;
    reading.problem = problem;
    return reading;
}

}  // namespace

QString Atlas_Reader_Program()
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("zev-atlas-reader"));
}

AtlasReading Read_Atlas_With(const QString& program, const QStringList& arguments, const std::atomic<bool>& stop,
                             std::chrono::milliseconds patience)
{
    if (!QFileInfo(program).isExecutable())
        return Problem(QStringLiteral("its reader, %1, is not installed").arg(program));
    QProcess reader;
    reader.setProgram(program);
    reader.setArguments(arguments);
    reader.setStandardInputFile(QProcess::nullDevice());
    reader.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    reader.start(QIODevice::ReadOnly);
    if (!reader.waitForStarted())
        return Problem(QStringLiteral("its reader, %1, could not be started (%2)").arg(program, reader.errorString()));
    // The answer is read as it comes, while the reader is still writing the rest.
    AtlasStreamReader answer;
    QElapsedTimer waited;
    waited.start();
    while (reader.state() != QProcess::NotRunning) {
        if (stop || waited.elapsed() > patience.count()) {
            reader.kill();
            reader.waitForFinished();
            if (stop)
                return Problem(QStringLiteral("the program was closing"));
            const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(patience).count();
            return Problem(QStringLiteral("the atlas library gave no answer within %1")
                               .arg(seconds == 1 ? QStringLiteral("a second") : QStringLiteral("%1 seconds").arg(seconds)));
        }
        reader.waitForReadyRead(Look_Interval_Ms);
        answer.take(reader.readAllStandardOutput());
    }
    answer.take(reader.readAllStandardOutput());
    if (reader.exitStatus() == QProcess::CrashExit)
        return Problem(QStringLiteral("the atlas library stopped with an error (it crashed)"));
    AtlasStream read = answer.finish();
    if (read.droppedPlaces > 0 || read.droppedNames > 0)
        qWarning("The place atlas: %d records that cannot be places and %d names of no place were left out",
                 read.droppedPlaces, read.droppedNames);
    if (read.reading.problem.isEmpty() && reader.exitCode() != 0)
        return Problem(QStringLiteral("its reader ended with error %1").arg(reader.exitCode()));
    return std::move(read.reading);
}
