#include "device/initdlg.h"

#include "core/clock.h"
#include "core/helpers.h"
#include "core/prompts.h"
#include "core/settings.h"
#include "core/wyxapp.h"
#include "device/devicedialogsupport.h"
#include "device/usbcom.h"
#include "logrecords/logfile.h"

#include <QFileInfo>
#include <QRegularExpression>

namespace {
// The logger keeps its name in 8 bytes.
const int maxNameBytes = 8;
} // namespace

InitDlg::InitDlg(QWidget* parent)
    : QDialog(parent)
    , time(Clock::currentDateTime())
{
    setupUi(this);
    connect(PcTimeButton, &QPushButton::clicked, this, &InitDlg::systime);
    connect(GivenTimeButton, &QPushButton::clicked, this, &InitDlg::giventime);
    connect(CancelButton, &QPushButton::clicked, this, &InitDlg::cancel);
}

InitDlg::~InitDlg() = default;

void InitDlg::showDeviceInfo(UsbCom* device)
{
    DeviceDialogs::fillHeader(device, Ident, LotNo, Readout, Battery, Shell, moisture, clock, false);
    NewDateTimeEdit->setDateTime(Clock::currentDateTime());
    NewNameEdit->setMaxLength(maxNameBytes);
}

bool InitDlg::validateName()
{
    newName = NewNameEdit->text().trimmed();
    QString refusal;
    static const QRegularExpression forbidden(QStringLiteral("[ \\.\\?\\*\\:\\/\\\\]"));
    // Counted in UTF-8 bytes: a longer name would be cut inside the logger's field.
    const int bytes = newName.toUtf8().size();
    if (newName.contains(forbidden))
        refusal = tr("Szóköz, és az alábbi karakterek nem megengedettek:\n\\  /  .  :  ?  *");
    else if (bytes == 0 || bytes > maxNameBytes)
        refusal = tr("A név legalább egy,\nés legfeljebb nyolc karakterből állhat!");
    // The file the log will really get: a name that maps onto an existing log would delete it.
    else if (QFileInfo::exists(appSettings().workPath(LogFile::fileNameForDevice(newName))))
        refusal = tr("%1 néven már van kiolvasott esemény napló.\nAdjon meg egy még nem használt nevet!").arg(newName);
    if (refusal.isEmpty())
        return true;
    Prompts::warning(this, tr("Inicializálás"), refusal);
    return false;
}

void InitDlg::cancel()
{
    QDialog::reject();
}

void InitDlg::giventime()
{
    if (!validateName())
        return;
    time = NewDateTimeEdit->dateTime();
    QDialog::accept();
}

void InitDlg::systime()
{
    if (!validateName())
        return;
    time = waitDeviceTick();
    QDialog::accept();
}

void InitDlg::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        retranslateUi(this);
}
