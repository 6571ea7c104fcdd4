#include "core/prompts.h"

#include "core/titlewidthfilter.h"

#include <QApplication>
#include <QColorDialog>
#include <QCoreApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QShowEvent>
#include <utility>

namespace Prompts {
namespace {

Handler& currentHandler()
{
    static Handler handler;
    return handler;
}

QMessageBox::Icon iconFor(Kind kind)
{
    switch (kind) {
    case Kind::Question: return QMessageBox::Question;
    case Kind::Warning: return QMessageBox::Warning;
    case Kind::Critical: return QMessageBox::Critical;
    default: return QMessageBox::Information;
    }
}

// A message box fixes its own size as it is shown, and again at each layout request,
// narrower than a bold title needs: the title rule widens it after each time, and the box
// is placed again for its width when first shown.
class MessageBox : public QMessageBox
{
public:
    using QMessageBox::QMessageBox;

protected:
    void showEvent(QShowEvent* event) override
    {
        QMessageBox::showEvent(event);
        const QSize before = size();
        TitleWidthFilter::fitTitle(this);
        if (size() != before && !event->spontaneous() && !testAttribute(Qt::WA_Moved)) {
            adjustPosition(parentWidget());
            setAttribute(Qt::WA_Moved, false); // placed for the box, not by the program
        }
    }
    bool event(QEvent* event) override
    {
        const bool done = QMessageBox::event(event);
        if (event->type() == QEvent::LayoutRequest && isVisible())
            TitleWidthFilter::fitTitle(this);
        return done;
    }
};

Answer showMessageBox(const Request& r)
{
    MessageBox box(r.parent);
    box.setIcon(iconFor(r.kind));
    box.setWindowTitle(r.title);
    box.setTextFormat(r.textFormat);
    box.setText(r.text);
    if (!r.icon.isNull())
        box.setIconPixmap(r.icon);
    Answer answer;
    if (r.buttons.isEmpty()) {
        box.setStandardButtons(QMessageBox::Ok);
        box.exec();
        answer.button = 0;
        return answer;
    }
    QList<QAbstractButton*> buttons;
    for (const QString& label : r.buttons) {
        // Action role only: with hasEscape false the box has no escape button at all.
        QPushButton* b = box.addButton(label, QMessageBox::ActionRole);
        buttons.append(b);
    }
    box.setDefaultButton(static_cast<QPushButton*>(buttons.first()));
    if (r.hasEscape)
        box.setEscapeButton(buttons.last());
    box.exec();
    answer.button = buttons.indexOf(box.clickedButton());
    if (answer.button < 0)
        answer.button = buttons.size() - 1;
    return answer;
}

// One dialog for every kind of file question, so that the labels a request carries reach each.
Answer showFileDialog(const Request& r)
{
    QFileDialog dialog(r.parent, r.text, r.directory, r.filter);
    switch (r.kind) {
    case Kind::OpenFile:
        dialog.setFileMode(QFileDialog::ExistingFile);
        break;
    case Kind::Directory:
        dialog.setFileMode(QFileDialog::Directory);
        dialog.setOption(QFileDialog::ShowDirsOnly);
        break;
    default:
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setOption(QFileDialog::DontConfirmOverwrite, !r.confirmOverwrite);
        dialog.setDefaultSuffix(r.defaultSuffix);
        break;
    }
    if (!r.selectedFilter.isEmpty())
        dialog.selectNameFilter(r.selectedFilter);
    const std::pair<QFileDialog::DialogLabel, const QString*> labels[] = {
        {QFileDialog::LookIn, &r.labels.lookIn}, {QFileDialog::FileName, &r.labels.fileName},
        {QFileDialog::FileType, &r.labels.fileType}, {QFileDialog::Accept, &r.labels.accept},
        {QFileDialog::Reject, &r.labels.reject}};
    for (const auto& label : labels) {
        if (!label.second->isEmpty())
            dialog.setLabelText(label.first, *label.second);
    }
    Answer answer;
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        answer.path = dialog.selectedFiles().first();
    return answer;
}

Answer showReal(const Request& r)
{
    Answer answer;
    switch (r.kind) {
    case Kind::OpenFile:
    case Kind::SaveFile:
    case Kind::Directory:
        answer = showFileDialog(r);
        break;
    case Kind::Color:
        answer.color = QColorDialog::getColor(r.color, r.parent, r.title);
        break;
    default:
        answer = showMessageBox(r);
        break;
    }
    return answer;
}

} // namespace

Handler setHandler(Handler handler)
{
    Handler previous = currentHandler();
    currentHandler() = std::move(handler);
    return previous;
}

Answer ask(const Request& request)
{
    if (currentHandler())
        return currentHandler()(request);
    return showReal(request);
}

static void plain(Kind kind, QWidget* parent, const QString& title, const QString& text)
{
    Request r;
    r.kind = kind;
    r.parent = parent;
    r.title = title;
    r.text = text;
    ask(r);
}

void information(QWidget* parent, const QString& title, const QString& text)
{
    plain(Kind::Information, parent, title, text);
}

void warning(QWidget* parent, const QString& title, const QString& text)
{
    plain(Kind::Warning, parent, title, text);
}

void critical(QWidget* parent, const QString& title, const QString& text)
{
    plain(Kind::Critical, parent, title, text);
}

int choose(QWidget* parent, Kind kind, const QString& title, const QString& text, const QStringList& buttons,
           bool hasEscape)
{
    Request r;
    r.kind = kind;
    r.parent = parent;
    r.title = title;
    r.text = text;
    r.buttons = buttons;
    r.hasEscape = hasEscape;
    return ask(r).button;
}

static QString file(Kind kind, QWidget* parent, const QString& caption, const QString& dir, const QString& filter)
{
    Request r;
    r.kind = kind;
    r.parent = parent;
    r.text = caption;
    r.directory = dir;
    r.filter = filter;
    return ask(r).path;
}

QString openFileName(QWidget* parent, const QString& caption, const QString& dir, const QString& filter)
{
    return file(Kind::OpenFile, parent, caption, dir, filter);
}

QString saveFileName(QWidget* parent, const QString& caption, const QString& dir, const QString& filter)
{
    return file(Kind::SaveFile, parent, caption, dir, filter);
}

QString saveFileName(QWidget* parent, const QString& caption, const QString& dir, const QString& filter,
                     const QString& selectedFilter, bool confirmOverwrite)
{
    Request r;
    r.kind = Kind::SaveFile;
    r.parent = parent;
    r.text = caption;
    r.directory = dir;
    r.filter = filter;
    r.selectedFilter = selectedFilter;
    r.confirmOverwrite = confirmOverwrite;
    return ask(r).path;
}

QString existingDirectory(QWidget* parent, const QString& caption, const QString& dir)
{
    return file(Kind::Directory, parent, caption, dir, QString());
}

FileLabels documentLabels()
{
    FileLabels labels;
    labels.lookIn = QCoreApplication::translate("Prompts", "Könyvtár");
    labels.fileName = QCoreApplication::translate("Prompts", "Fájl név");
    labels.fileType = QCoreApplication::translate("Prompts", "Fájl típus");
    labels.accept = QCoreApplication::translate("Prompts", "&OK");
    labels.reject = QCoreApplication::translate("Prompts", "&Mégsem");
    return labels;
}

QColor color(QWidget* parent, const QColor& initial, const QString& title)
{
    Request r;
    r.kind = Kind::Color;
    r.parent = parent;
    r.title = title;
    r.color = initial;
    return ask(r).color;
}

QFont messageFont()
{
    return QApplication::font("QMessageBox");
}

} // namespace Prompts
