#include "routes/addstartdlg.h"

#include "routes/routetimefields.h"

#include "core/prompts.h"

addStartDlg::addStartDlg(QWidget* parent) : QDialog(parent)
{
    setupUi(this);
    RepeatSpin->setRange(1, 250);
    RepeatSpin->setValue(1);
}

void addStartDlg::showRow(int row, bool on)
{
    QWidget* const rows[5][4] = {{BeginLabel, BeginSpin, BeginDay, BeginEdit},
                                 {EndLabel, EndSpin, EndDay, EndEdit},
                                 {MinLabel, MinSpin, MinDay, MinEdit},
                                 {MaxLabel, MaxSpin, MaxDay, MaxEdit},
                                 {RepeatLabel, RepeatSpin, nullptr, nullptr}};
    for (QWidget* w : rows[row]) {
        if (w)
            w->setVisible(on);
    }
}

void addStartDlg::setRoute(const RouteHead& head, bool modify)
{
    m_head = head;
    RouteLabel->setText(tr("Útvonal név: \"%1\"").arg(head.name));
    const auto tip = [](QTimeEdit* edit, const QString& text) {
        edit->setToolTip(text);
        edit->setWhatsThis(text);
    };
    bool rows[5] = {false, false, false, false, false};
    switch (head.type) {
    case 0:
    case 2:
        // Whole titles: a language may order or inflect the words otherwise.
        setWindowTitle(modify ? tr("Indulási idő módosítás") : tr("Indulási idő hozzáadás"));
        BeginLabel->setText(tr("Indulási idő:"));
        tip(BeginEdit, tr("Az útvonal bejárását az itt megadott időpontban kell elkezdeni."));
        rows[0] = true;
        break;
    case 1:
    case 3:
        setWindowTitle(modify ? tr("Indulási időtartomány módosítás") : tr("Indulási időtartomány hozzáadás"));
        BeginLabel->setText(tr("Indulás legkorábban:"));
        tip(BeginEdit, tr("Az útvonal bejárását legkorábban az itt megadott időpontban kell elkezdeni"));
        EndLabel->setText(tr("Indulás legkésőbb:"));
        tip(EndEdit, tr("Az útvonal bejárását legkésőbb az itt megadott időpontig el kell kezdeni"));
        rows[0] = rows[1] = true;
        if (head.type == 3) {
            MaxLabel->setText(tr("Körök közti idő:"));
            tip(MaxEdit, tr("Két körbejárás között legfeljebb ennyi idő telhet el"));
            RepeatLabel->setText(tr("Körszám:"));
            rows[3] = rows[4] = true;
        }
        break;
    case 4:
        setWindowTitle(modify ? tr("Szolgálati idő módosítás") : tr("Szolgálati idő hozzáadás"));
        BeginLabel->setText(tr("Szolgálat kezdete:"));
        tip(BeginEdit, tr("Az útvonal bejárásának kezdő időpontja"));
        EndLabel->setText(tr("Szolgálat vége:"));
        tip(EndEdit, tr("Az útvonal bejárásának záró időpontja"));
        MinLabel->setText(tr("Követés legalább:"));
        MaxLabel->setText(tr("Követés legfeljebb:"));
        RepeatLabel->setText(tr("Ennyiszer:"));
        rows[0] = rows[1] = rows[2] = rows[3] = rows[4] = true;
        break;
    default:
        setWindowTitle(QString());
        break;
    }
    for (int r = 0; r < 5; ++r)
        showRow(r, rows[r]);
}

void addStartDlg::setStart(const RouteStart& start)
{
    showRouteTime(BeginSpin, BeginEdit, start.t1);
    showRouteTime(EndSpin, EndEdit, start.t2);
    showRouteTime(MinSpin, MinEdit, start.t3);
    showRouteTime(MaxSpin, MaxEdit, start.t4);
    // A count a file holds outside 1..250 is shown as it stands and kept unless changed.
    RepeatSpin->setRange(qMin(RepeatSpin->minimum(), int(start.count)), qMax(RepeatSpin->maximum(), int(start.count)));
    RepeatSpin->setValue(start.count);
}

RouteStart addStartDlg::routeStart() const
{
    return RouteStart(routeTimeSeconds(BeginSpin, BeginEdit), routeTimeSeconds(EndSpin, EndEdit),
                      quint16(RepeatSpin->value()), routeTimeSeconds(MinSpin, MinEdit),
                      routeTimeSeconds(MaxSpin, MaxEdit));
}

int addStartDlg::exec()
{
    if (m_head.type == -1)
        return 0;
    return QDialog::exec();
}

void addStartDlg::endDlg()
{
    const RouteStart s = routeStart();
    QString message;
    const int type = m_head.type;
    if ((type == 1 || type == 3 || type == 4) && s.t1.toSeconds() > s.t2.toSeconds())
        message = tr("A kezdő időpont későbbi, mint a vég időpont!\n");
    if (type == 4 && s.t3.toSeconds() > s.t4.toSeconds())
        message += tr("A minimális követési idő nagyobb, mint a maximális követési idő!\n");
    if (message.isEmpty())
        accept();
    else
        Prompts::warning(this, tr("Idő megadási hiba"), message);
}
