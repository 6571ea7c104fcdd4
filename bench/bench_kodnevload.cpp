// Loading a code-name list of 10,000 and 100,000 names (each code with two dated names,
// stored in file order), against decoding the same file without ordering it. Loading must
// grow linearly: the per-name cost at 100,000 stays near that at 10,000.
#include "benchsupport.h"
#include "codenames/kodnevfile.h"
#include "codenames/kodnevmodel.h"
#include "core/prompts.h"
#include "core/settings.h"
#include "core/wyxapp.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

QList<KodNev> syntheticList(int n)
{
    QList<KodNev> list;
    list.reserve(n);
    for (int i = 0; i < n; ++i) {
        KodNev k;
        const int code = i / 2;
        unsigned char bytes[KodNev::codeSize] = {0x11, uchar(code >> 24), uchar(code >> 16), uchar(code >> 8),
                                                 uchar(code), 0};
        k.setCodeBytes(bytes);
        k.datedName.setName(QStringLiteral("Pont %1").arg(i));
        k.datedName.setDate(QDate(2000 + i % 2, 1, 1));
        list.append(k);
    }
    return list;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    WyxApp app(argc, argv);
    reportUnexpectedPrompts();
    QTemporaryDir dir;
    appSettings().workDir = dir.path(); // in memory only; the settings are never saved here
    std::printf("names     load ms   decode only ms   load us/name\n");
    for (const int n : {10000, 100000}) {
        {
            QFile f(appSettings().codeFilePath());
            f.open(QIODevice::WriteOnly);
            KodNevFile::write(f, syntheticList(n));
        }
        const double load = bestMs(3, [] {
            KodNevModel m;
            m.load(nullptr);
            if (m.rowCount() == 0)
                std::fprintf(stderr, "nothing loaded\n");
        });
        const double decode = bestMs(3, [] {
            QFile f(appSettings().codeFilePath());
            f.open(QIODevice::ReadOnly);
            KodNevFile::read(f);
        });
        const double perName = load * 1000 / n;
        std::printf("%7d %9.1f %16.1f %14.2f\n", n, load, decode, perName);
    }
    return 0;
}
