// The text window's reader fed arbitrary bytes, from memory and through a file. A refusal
// must be what it says (a line really longer than the limit), an accepted text must hold
// no such line, and the window must take or refuse the same bytes from a file.
#include "core/prompts.h"
#include "core/settings.h"
#include "core/wyxapp.h"
#include "codenames/kodnevmodel.h"
#include "mainwindow/txtview.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>

namespace {

WyxApp* app = nullptr;
QTemporaryDir* dir = nullptr;

int longestLine(const QString& text)
{
    int longest = 0;
    for (const QStringRef& line : text.splitRef(QLatin1Char('\n')))
        longest = qMax(longest, line.size());
    return longest;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    (void)argc;
    (void)argv;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int qtArgc = 1;
    static char name[] = "fuzz_textfile";
    static char* qtArgv[] = {name, nullptr};
    app = new WyxApp(qtArgc, qtArgv);
    installKodNevModel(*app->settings);
    Prompts::setHandler([](const Prompts::Request&) { return Prompts::Answer{0, QString(), QColor()}; });
    dir = new QTemporaryDir;
    std::atexit([] { delete dir; }); // libFuzzer ends with exit(): the folder goes with it
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QByteArray bytes(reinterpret_cast<const char*>(data), int(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly | QIODevice::Text);
    QString text;
    const QString refusal = TxtView::readText(buffer, text);
    // Text mode drops carriage returns: the decoded form of what is left is what the window shows.
    QByteArray kept = bytes;
    kept.replace('\r', QByteArray());
    QBuffer plain(&kept);
    plain.open(QIODevice::ReadOnly);
    QTextStream stream(&plain);
    stream.setCodec("UTF-8");
    const QString decoded = stream.readAll();
    const bool lineTooLong = longestLine(decoded) > TxtView::maxLineLength;
    if (refusal.isEmpty()) {
        if (lineTooLong || text != decoded)
            abort();
    } else {
        if (!text.isEmpty())
            abort();
        if (refusal.contains(QStringLiteral("sora hosszabb")) != lineTooLong)
            abort();
    }

    // The same bytes through a file and the window.
    const QString path = dir->filePath(QStringLiteral("fuzz.txt"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        abort();
    file.close();
    TxtView view;
    QString failure;
    const bool loaded = view.loadFile(path, &failure);
    if (loaded != refusal.isEmpty() || (!loaded && !failure.contains(refusal)))
        abort();
    return 0;
}
