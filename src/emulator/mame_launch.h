#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class QSocketNotifier;

namespace tw::emulator {

// Names the MAME program when set and not empty: a path, or a name looked up
// on PATH. Otherwise MAME is the `mame` on PATH.
inline constexpr char kMameVariable[] = "TILEWRIGHT_MAME";

// A MAME still running this long after its start counts as started. One that
// refuses its arguments, the driver or the image ends sooner: measured on
// MAME 0.251, 0.4 s for an unknown option, 2 s for an unknown system or a
// missing image, 8 s for that while it first probes for sound hardware that
// is not there.
inline constexpr int kSettleMilliseconds = 5000;

// MAME's arguments for a cartridge image on the arcadia driver, in a window
// (Debian's MAME starts full screen otherwise) and without the system's
// information screen first. The image's name is made absolute from the
// current folder's own bytes, as the system names it.
QList<QByteArray> MameArguments(const QString& image);

struct LaunchResult {
    bool Started = false;
    QString Reason; // why MAME did not start, naming the package it comes in
    QString Output; // the end of what it wrote on standard error before it ended
};

// MAME on a cartridge image, as a process of its own: nobody waits for it, it
// has a session of its own, and it runs on when the program that started it
// ends. A drainer process in that session is MAME's parent and reads its
// standard error for as long as MAME runs, keeping only the end that a
// failure shows. Finished() reports once, from the event loop, whether it
// started; the object then deletes itself.
class MameLaunch final : public QObject {
    Q_OBJECT

public:
    static MameLaunch* Start(const QString& image);
    ~MameLaunch() override;

Q_SIGNALS:
    void Finished(const tw::emulator::LaunchResult& result);

private:
    MameLaunch();
    void Begin(const QString& image);
    void ReadReport();
    void Finish(const LaunchResult& result);

    int report_ = -1; // the drainer's report, read here
    QByteArray received_;
    QSocketNotifier* notifier_ = nullptr;
    QString program_;
};

// For a command line: starts MAME on the image and waits, in an event loop of
// its own, until it has started or failed to.
LaunchResult RunMame(const QString& image);

} // namespace tw::emulator
