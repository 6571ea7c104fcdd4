// Opening large and long-lined text files in the text window, until the window is shown
// and its layout has settled: each opens within a few seconds or is refused at once.
#include "core/prompts.h"
#include "core/settings.h"
#include "core/wyxapp.h"
#include "mainwindow/txtview.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QScrollBar>
#include <QTemporaryDir>

#include <cstdio>

namespace {

QByteArray lines(qint64 size, int lineLength)
{
    QByteArray line(lineLength, 'x');
    line += '\n';
    QByteArray out;
    out.reserve(int(size));
    while (out.size() + line.size() <= size)
        out += line;
    return out;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    WyxApp app(argc, argv);
    QString refusal;
    Prompts::setHandler([&refusal](const Prompts::Request& r) {
        refusal = r.text.section(QLatin1Char('\n'), 1);
        return Prompts::Answer{0, QString(), QColor()};
    });
    QTemporaryDir dir;
    appSettings().workDir = dir.path(); // in memory only; the settings are never saved here
    struct Case {
        const char* name;
        QByteArray bytes;
    };
    const Case cases[] = {
        {"1 MB, 80-char lines", lines(1 << 20, 80)},
        {"8 MB, 80-char lines", lines(8 << 20, 80)},
        {"20 MB, 80-char lines", lines(20 << 20, 80)},
        {"4 KB, one line", QByteArray(4096, 'x')},
        {"1 MB, one line", QByteArray(1 << 20, 'x')},
        {"20 MB, one line", QByteArray(20 << 20, 'x')},
        {"8 MB, 4 KB lines", lines(8 << 20, 4095)},
        {"8 MB, 8 KB lines", lines(8 << 20, 8 * 1024)},
    };
    std::printf("%-22s %10s  %s\n", "file", "ms", "outcome");
    for (const Case& c : cases) {
        const QString path = dir.filePath(QStringLiteral("bench.txt"));
        {
            QFile f(path);
            f.open(QIODevice::WriteOnly);
            f.write(c.bytes);
        }
        refusal.clear();
        QElapsedTimer t;
        t.start();
        auto* view = new TxtView;
        view->resize(800, 600);
        const bool loaded = view->loadFile(path);
        if (loaded) {
            view->show();
            // Scroll to the end, so the whole text has to be laid out.
            view->verticalScrollBar()->setValue(view->verticalScrollBar()->maximum());
            QApplication::processEvents();
            view->document()->documentLayout()->documentSize();
        }
        const double ms = t.nsecsElapsed() / 1e6;
        std::printf("%-22s %10.0f  %s\n", c.name, ms, loaded ? "opened" : qPrintable(QStringLiteral("refused: ") + refusal));
        std::fflush(stdout);
        view->setAttribute(Qt::WA_DeleteOnClose, false);
        delete view;
    }
    return 0;
}
