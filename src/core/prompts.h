#pragma once
// Every message box, question, colour and file dialog of the program goes through
// Prompts::ask, so that a test can script the answers and no test ever blocks on a
// modal box. Without a handler the real Qt dialogs are shown.

#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

namespace Prompts {

enum class Kind {
    Question,     // custom buttons; answer.button = index of the clicked one
    Information,  // one OK button
    Warning,      // one OK button unless buttons are given
    Critical,     // one OK button unless buttons are given
    OpenFile,     // answer.path, empty when cancelled
    SaveFile,     // answer.path, empty when cancelled
    Directory,    // answer.path, empty when cancelled
    Color         // answer.color, invalid when cancelled
};

// The texts of a file dialog's own labels; an empty one keeps Qt's.
struct FileLabels {
    QString lookIn;
    QString fileName;
    QString fileType;
    QString accept;
    QString reject;
};

struct Request {
    Kind kind = Kind::Information;
    QWidget* parent = nullptr;
    QString title;
    QString text;          // message text, or file dialog caption
    QStringList buttons;   // message boxes with custom buttons (first is the default)
    bool hasEscape = true; // false: Escape and the close button do not end the box
    QString directory;     // file dialogs: start directory or proposed name
    QString filter;        // file dialogs: ";;"-separated, in the order shown
    QString selectedFilter;    // file dialogs: the filter chosen at the start (empty: the first)
    bool confirmOverwrite = true; // save dialog: asks before an existing file is chosen
    QString defaultSuffix; // save dialog: added to a name typed without an extension
    FileLabels labels;     // file dialogs
    QColor color;          // colour dialog: initial colour
    QPixmap icon;          // message boxes: replaces the kind's standard icon when set
    Qt::TextFormat textFormat = Qt::AutoText;
};

struct Answer {
    int button = -1; // index into Request::buttons (0 for a plain OK box)
    QString path;
    QColor color;
};

using Handler = std::function<Answer(const Request&)>;

// Replaces the handler; an empty handler restores the real dialogs.
// Returns the previous one.
Handler setHandler(Handler handler);

Answer ask(const Request& request);

// Convenience wrappers, all through ask().
void information(QWidget* parent, const QString& title, const QString& text);
void warning(QWidget* parent, const QString& title, const QString& text);
void critical(QWidget* parent, const QString& title, const QString& text);
// Message box with custom buttons (first is default); returns the clicked index.
int choose(QWidget* parent, Kind kind, const QString& title, const QString& text, const QStringList& buttons,
           bool hasEscape);
QString openFileName(QWidget* parent, const QString& caption, const QString& dir, const QString& filter);
QString saveFileName(QWidget* parent, const QString& caption, const QString& dir, const QString& filter);
// With the filter selected at the start and, for a file that is added to rather than
// replaced, confirmOverwrite false.
QString saveFileName(QWidget* parent, const QString& caption, const QString& dir, const QString& filter,
                     const QString& selectedFilter, bool confirmOverwrite);
QString existingDirectory(QWidget* parent, const QString& caption, const QString& dir);
// The labels of the dialogs that save a plan or a report: "Könyvtár", "Fájl név", "Fájl típus",
// "&OK" and "&Mégsem", in the language in use.
FileLabels documentLabels();
QColor color(QWidget* parent, const QColor& initial, const QString& title = QString());
// The font a message box shows its text in, for texts fitted to its width.
QFont messageFont();

} // namespace Prompts
