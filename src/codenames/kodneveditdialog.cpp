#include "codenames/kodneveditdialog.h"

#include "core/constants.h"
#include "core/fieldwidth.h"
#include "core/prompts.h"

#include <QRegExpValidator>

namespace {

// Disabled fields keep black text, so a read-only entry stays readable.
void showBlack(QWidget* w)
{
    QPalette palette = w->palette();
    palette.setColor(QPalette::All, QPalette::Text, QColor("black"));
    w->setPalette(palette);
}

} // namespace

KodNevEditDialog::KodNevEditDialog(QWidget* parent)
    : QDialog(parent)
{
    setupUi(this);
    OKButton->setEnabled(false);
    kodEdit->setValidator(new QRegExpValidator(QRegExp(QStringLiteral("^[a-pA-P]{1,12}$")), this));
    kodEdit->setFixedWidth(lineEditWidthFor(kodEdit, widestCode(kodEdit->fontMetrics())));
    setBackgroundColor(defaultBackColor);
    setForegroundColor(defaultTextColor);
}

KodNevEditDialog::~KodNevEditDialog() = default;

void KodNevEditDialog::setMode(int mode)
{
    switch (mode) {
    case AddMode:
        setWindowTitle(tr("Kód-Név felvétel"));
        for (QWidget* w : {static_cast<QWidget*>(kodEdit), static_cast<QWidget*>(nevEdit),
                           static_cast<QWidget*>(ervenyesEdit), static_cast<QWidget*>(backgroundButton),
                           static_cast<QWidget*>(foregroundButton)})
            w->setEnabled(true);
        break;
    case EditMode:
        setWindowTitle(tr("Kód-Név szerkesztés"));
        kodEdit->setEnabled(false);
        showBlack(kodEdit);
        nevEdit->setEnabled(true);
        ervenyesEdit->setEnabled(true);
        backgroundButton->setEnabled(true);
        foregroundButton->setEnabled(true);
        break;
    case DeleteMode:
        setWindowTitle(tr("Kód-Név törlés"));
        for (QWidget* w :
             {static_cast<QWidget*>(kodEdit), static_cast<QWidget*>(nevEdit), static_cast<QWidget*>(ervenyesEdit)}) {
            w->setEnabled(false);
            showBlack(w);
        }
        backgroundButton->setEnabled(false);
        foregroundButton->setEnabled(false);
        OKButton->setText(tr("Töröl"));
        OKButton->setEnabled(true);
        break;
    default:
        return;
    }
    m_mode = mode;
}

QString KodNevEditDialog::code() const
{
    return kodEdit->text();
}

QString KodNevEditDialog::name() const
{
    return nevEdit->text();
}

QDate KodNevEditDialog::date() const
{
    return ervenyesEdit->date() == m_shown ? m_given : ervenyesEdit->date();
}

void KodNevEditDialog::setCode(const QString& code)
{
    kodEdit->setText(code);
}

void KodNevEditDialog::setName(const QString& name)
{
    nevEdit->setText(name);
}

// The date field stops at 1752-09-14. An earlier date, above all 0001-01-01 ("valid at
// all times"), is shown by name in the field's lowest position, and that position stands
// for it until another date is given.
void KodNevEditDialog::setDate(const QDate& date)
{
    ervenyesEdit->setSpecialValueText(lowestText(date));
    ervenyesEdit->setDate(date);
    m_shown = ervenyesEdit->date();
    m_given = date.isValid() ? date : m_shown;
}

QString KodNevEditDialog::lowestText(const QDate& date) const
{
    if (date == minValidDate)
        return tr("mindig érvényes");
    if (!date.isValid() || date >= ervenyesEdit->minimumDate())
        return QString();
    QString wholeYear = ervenyesEdit->displayFormat();
    if (!wholeYear.contains(QLatin1String("yyyy")))
        wholeYear.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    return ervenyesEdit->locale().toString(date, wholeYear);
}

void KodNevEditDialog::setBackgroundColor(const QColor& color)
{
    backgroundButton->setStyleSheet(QStringLiteral("background-color: ") + color.name());
    backgroundColor = color;
}

void KodNevEditDialog::setForegroundColor(const QColor& color)
{
    foregroundButton->setStyleSheet(QStringLiteral("background-color: ") + color.name());
    foregroundColor = color;
}

void KodNevEditDialog::on_nevEdit_textChanged()
{
    if (m_mode != DeleteMode)
        OKButton->setEnabled(!nevEdit->text().isEmpty());
}

// A cancelled colour dialog keeps the colour chosen before.
void KodNevEditDialog::on_backgroundButton_clicked()
{
    const QColor chosen = Prompts::color(parentWidget(), backgroundColor);
    if (chosen.isValid() && chosen != backgroundColor)
        setBackgroundColor(chosen);
}

void KodNevEditDialog::on_foregroundButton_clicked()
{
    const QColor chosen = Prompts::color(parentWidget(), foregroundColor);
    if (chosen.isValid() && chosen != foregroundColor)
        setForegroundColor(chosen);
}

void KodNevEditDialog::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() != QEvent::LanguageChange)
        return;
    retranslateUi(this);
    ervenyesEdit->setSpecialValueText(lowestText(m_given));
    const int mode = m_mode;
    m_mode = AddMode;
    setMode(mode); // the title and the button text follow the mode
}
