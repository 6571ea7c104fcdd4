#include "eventlog/readout.h"

#include "core/helpers.h"
#include "core/prompts.h"
#include "core/settings.h"
#include "core/wyxapp.h"
#include "device/readoutdlg.h"
#include "device/usbcom.h"
#include "eventlog/logmodel.h"
#include "logrecords/logfile.h"

#include <QElapsedTimer>

#include <algorithm>

#include <cstring>

namespace {

constexpr int progressEvery = 8;
constexpr qint64 progressIntervalMs = 50;

bool ask(const QString& title, const QString& text)
{
    return askYesNo(nullptr, title, text, LogReadOut::tr("Igen"), LogReadOut::tr("Nem"));
}

} // namespace

bool LogModel::readOut(UsbCom* device, const std::function<bool()>& beforeSave)
{
    LogReadOut readOut(*this, *device, beforeSave);
    return readOut.run();
}

LogReadOut::LogReadOut(LogModel& log, UsbCom& device, std::function<bool()> beforeSave)
    : m_log(log)
    , m_device(device)
    , m_file(LogFile::fileNameForDevice(device.deviceName))
    , m_beforeSave(std::move(beforeSave))
{
}

int LogReadOut::ringSlots() const
{
    return m_device.lastIndex + 1;
}

LogEntry LogReadOut::programEntry(const QDateTime& first, const QDateTime& second, unsigned char kind) const
{
    LogEntry e;
    e.makeProgramEntry(first, second, kind);
    return e;
}

// An unknown capacity would make the walk endless. (A write index outside the ring is
// left to confirmWriteIndex, which reads it again.)
bool LogReadOut::refuseBadRing()
{
    if (m_device.lastIndex > 0)
        return false;
    m_device.showError(UsbBadReply, false);
    return true;
}

// Whether the logger on the link is still the one the checks were made with, by its
// identity confirmed afresh: after "Ismét" the link is opened again, and the logger may have
// been pulled and another plugged in meanwhile. Another one comes with its own record read
// whole (UsbCom::readConfirmedIdentity) and is marked in m_changed.
UsbErrorCodes LogReadOut::confirmLogger(bool reopen)
{
    UsbErrorCodes r = reopen ? m_device.open() : UsbOk;
    if (r == UsbOk)
        r = m_device.readConfirmedIdentity(!reopen);
    if (r == UsbOk)
        m_changed = otherLogger();
    return r;
}

bool LogReadOut::otherLogger() const
{
    return m_device.deviceName != m_logger.name || m_device.serialNumber != m_logger.serial
           || m_device.memoryCode != m_logger.memoryCode;
}

// Every step that talks to the logger: a failure offers "Ismét", which confirms the logger
// on the link opened again before the step is tried again. False when the user gives up or
// another logger answers.
bool LogReadOut::retried(UsbErrorCodes result, const std::function<UsbErrorCodes()>& operation)
{
    while (result != UsbOk) {
        if (!m_device.showError(result, true))
            return false;
        result = confirmLogger(true);
        if (m_changed)
            return false;
        if (result == UsbOk)
            result = operation();
    }
    return true;
}

bool LogReadOut::retried(const std::function<UsbErrorCodes()>& operation)
{
    return retried(operation(), operation);
}

// Another logger answers. Before any page is taken it is read as itself from the start; but
// a log chosen by another name is not its log, and pages taken are the first logger's.
bool LogReadOut::refuseChangedLogger(bool pagesTaken)
{
    if (!pagesTaken && LogFile::fileNameForDevice(m_device.deviceName) == m_file)
        return false;
    Prompts::warning(nullptr, tr("Kiolvasás"),
                     tr("A csatlakoztatott készülék nem az, amelyiknek a kiolvasása elkezdődött.\n"
                        "A kiolvasás elmarad."));
    return true;
}

// Two identity reads in a row must agree on the write index, each from the logger the
// fields describe. When no two do, another logger may answer now, or the fields be the
// garbled reply: the identity confirmed afresh tells, without a box of its own, and the
// index is confirmed against that.
bool LogReadOut::readConfirmedWriteIndex(int& index, int known)
{
    const auto read = [&] { return m_device.readConfirmedWriteIndex(index, m_device.writeIndex); };
    UsbErrorCodes r = m_device.readConfirmedWriteIndex(index, known);
    if (r == UsbBadReply) {
        r = confirmLogger(false);
        if (r == UsbOk && !m_changed)
            r = read();
    }
    return !m_changed && retried(r, read);
}

// The write index the taking stops at, read again until two readings agree before any
// page is asked for: one garbled index would take slots the logger has not written, or
// leave out some it has.
bool LogReadOut::confirmWriteIndex()
{
    int index = 0;
    if (!readConfirmedWriteIndex(index, m_device.writeIndex))
        return false;
    m_device.writeIndex = m_end = index;
    return true;
}

bool LogReadOut::checkClock(ReadOutDlg& dlg)
{
    if (dlg.clockOk)
        return true;
    if (!(appSettings().flags & OptAutoClockSet)
        && !ask(tr("Óra beállítás"),
                tr("A csatlakoztatott készülék órája nem pontos.\nHozzáigazítsuk a számítógéphez?")))
        return true;
    if (!retried([this] { return m_device.setClock(waitDeviceTick()); }))
        return false;
    UsbErrorCodes r = m_device.getDeviceInfo();
    // Another name or serial a moment later is a garbled reply, which would pass the log to
    // another logger's file, or another logger: its identity confirmed afresh tells.
    if (r == UsbOk && otherLogger())
        r = confirmLogger(false);
    if (r != UsbOk) {
        m_device.showError(r, false);
        return false;
    }
    if (m_changed)
        return false;
    dlg.showDeviceInfo(&m_device);
    return true;
}

// Records were lost before those taken now: the user is told, and the log marks the place.
void LogReadOut::markDataGap()
{
    Prompts::information(nullptr, tr("Kiolvasás"),
                         tr("A csatlakoztatott készülék napló kapacitását\nmeghaladó számú bejegyzés "
                            "keletkezett.\nEzért a régebbiek közül már valamennyi elveszett."));
    m_head.append(programEntry(m_device.deviceTime, m_device.readoutDate, KindDataGap));
}

bool LogReadOut::continuityHolds(bool& failed)
{
    failed = false;
    const int ring = m_log.ringIndex();
    if (ring > m_device.lastIndex)
        return false; // a position this logger cannot have
    if (!m_log.hasRegularEntry())
        return true;
    const int idx = ring == 0 ? m_device.lastIndex : ring - 1;
    // A garbled reply of the right length would pass for a lost ring and bring the whole
    // ring in again: a gap is declared only when a second reading disagrees as well.
    for (int reading = 0; reading < 2; ++reading) {
        if (!retried([&] { return m_device.readEntry(quint16(idx)); })) {
            if (!m_changed) {
                m_device.refreshClockIfClosed();
                m_device.open();
            }
            failed = true;
            return false;
        }
        if (m_log.lastRegularEquals(m_device.lastEntry))
            return true;
    }
    return m_log.kindAt(m_log.rowCount() - 1) == KindForeignInit;
}

// Every slot of the range in ring order, blank ones included, so that slots can still be
// told apart by position.
bool LogReadOut::takeSlots(ReadOutDlg& dlg, int start, int count, QVector<LogEntry>& ring)
{
    ring.reserve(count);
    DeviceLogPage page;
    int index = start;
    int done = 0;
    int pages = 0;
    QElapsedTimer sinceProgress;
    sinceProgress.start();
    while (done < count) {
        // A slot the reply did not fill reads as blank and is dropped.
        std::memset(page.bytes, 0xFF, sizeof page.bytes);
        if (!retried([&] { return m_device.readPage(quint16(index), page.bytes); }))
            return false;
        const int n = qMin<int>(DeviceLogPage::SlotCount, count - done);
        for (int k = 0; k < n; ++k) {
            LogEntry e;
            e.setBytes(page.bytes + DeviceLogPage::slotOffset(k));
            ring.append(e);
        }
        done += n;
        index = (index + n) % ringSlots();
        // A real logger takes ~150 ms a page, so every page is shown; without wire delay,
        // pumping events would cost more than the reading: then every eighth page.
        if (++pages % progressEvery == 1 || done == count || sinceProgress.hasExpired(progressIntervalMs)) {
            dlg.setProgress(done);
            sinceProgress.restart();
        }
        if (dlg.closeRequested && done < count)
            return false;
    }
    return true;
}

// The logger may log while its ring is read. What it wrote since end was read went to the
// slots from end on, which the next read-out takes; where such a slot lies in the range
// just read (the oldest slots of a whole ring), it may have been read before or after the
// write, so it is not taken now. dropped: how many were left out.
bool LogReadOut::dropSlotsWrittenMeanwhile(int end, int count, QVector<LogEntry>& ring, int& dropped)
{
    int now = end;
    // Confirmed, as a garbled index would give up slots the logger still holds.
    if (!readConfirmedWriteIndex(now, -1))
        return false;
    // The range ends just before end, so its first slot lies ringSlots() - count slots
    // after end; the written slots run from end up to, not including, now.
    const int written = m_device.ringDistance(unsigned(end), unsigned(now));
    const int overlap = qBound(0, written - (ringSlots() - count), count);
    ring.remove(0, overlap);
    dropped = overlap;
    return true;
}

// The log may have changed on disk while the logger was read (another user archived it):
// the records go behind the log as it is there, which must still be the one they continue.
bool LogReadOut::logStillFits()
{
    if (!m_beforeSave)
        return true;
    const LogFile::Header before = m_log.header();
    if (!m_beforeSave())
        return false;
    const LogFile::Header& now = m_log.header();
    if (now.ringIndex == before.ringIndex && now.deviceName == before.deviceName && now.initDate == before.initDate
        && now.deviceType == before.deviceType)
        return true;
    Prompts::warning(nullptr, tr("Kiolvasás"),
                     tr("Az esemény napló fájlja a kiolvasás közben megváltozott, és már nem ehhez a "
                        "kiolvasáshoz illeszkedik.\nA kiolvasás elmarad; a bejegyzések a készülékben maradnak."));
    return false;
}

LogReadOut::Committed LogReadOut::commit(const QVector<LogEntry>& taken, int end, bool foreign)
{
    if (!logStillFits())
        return Committed::Dropped;
    QVector<LogEntry> records;
    records.reserve(m_head.size() + taken.size() + 1);
    records << m_head << taken;
    records.append(programEntry(m_device.deviceTime, m_device.readoutDate, KindReadOut));
    if (foreign)
        m_log.setDeviceIdentity(&m_device);
    m_log.m_header.ringIndex = quint16(end);
    m_log.appendEntries(records);
    // The logger hears of this read-out only once the records are safe on disk.
    if (m_log.saveToDefault(nullptr))
        return m_device.writeReadoutTime() == UsbOk ? Committed::Done : Committed::NotTold;
    Prompts::warning(nullptr, LogModel::tr("Esemény napló mentés"), m_log.lastError());
    return Committed::Done;
}

// Every check before the pages, for the logger on the link: false when the read-out ends,
// or when another logger turns up on the way (m_changed), which is then checked afresh.
bool LogReadOut::prepare(ReadOutDlg& dlg, bool& wholeRing, bool& foreign)
{
    m_logger = {m_device.deviceName, m_device.serialNumber, m_device.memoryCode};
    m_head.clear();
    if (!checkClock(dlg) || refuseBadRing() || !confirmWriteIndex() || refuseBadRing())
        return false;

    if (!m_advised && m_log.rowCount() > LogModel::archiveAdviceRows) {
        m_advised = true;
        Prompts::information(nullptr, tr("Kiolvasás"),
                             tr("Az esemény napló már meglehetősen hosszú.\nAjánlott archiválni, hogy a régi,\n"
                                "már érdektelen bejegyzések ne lassítsák a munkát."));
    }

    wholeRing = m_log.rowCount() == 0;
    foreign = !m_log.isSameDevice(&m_device);
    if (foreign) {
        if (!ask(tr("Kiolvasás"), tr("A csatlakoztatott készülék nem ehhez a napló fájlhoz tartozik.\n"
                                     "Mégis folytassuk a kiolvasást?")))
            return false;
        m_head.append(programEntry(m_device.initDate, m_log.initDate(), KindForeignInit));
        wholeRing = true;
    } else if (!wholeRing) {
        bool failed = false;
        if (!continuityHolds(failed)) {
            // Records were lost, or another logger answers from its own ring.
            if (failed || !retried([this] { return confirmLogger(false); }) || m_changed)
                return false;
            markDataGap();
            wholeRing = true;
        }
    }
    return true;
}

bool LogReadOut::run()
{
    ReadOutDlg dlg;
    dlg.setModal(true);
    if (refuseBadRing())
        return false;
    dlg.showDeviceInfo(&m_device);
    bool wholeRing = false;
    bool foreign = false;
    // Loggers changing without a box of their own (another one in place of the first
    // between two frames) are few; a link that keeps answering as another is a bad one.
    constexpr int maxChanges = 3;
    for (int changes = 0; !prepare(dlg, wholeRing, foreign); ++changes) {
        if (!m_changed || refuseChangedLogger(false))
            return false;
        if (changes == maxChanges) {
            m_device.showError(UsbBadReply, false);
            return false;
        }
        m_changed = false;
        // An empty log holds no history, only the identity it was made with: the other
        // logger's.
        if (m_log.rowCount() == 0)
            m_log.setDeviceIdentity(&m_device);
        dlg.showDeviceInfo(&m_device);
    }

    // The end is the write index as read after any clock set, so the logger's own
    // clock-set record is taken too. The slot at the write index is never taken: it is
    // erased or about to be overwritten, and whatever the logger writes there during the
    // read-out is the first record of the next one. A whole ring is every other slot,
    // oldest first, less those the logger writes meanwhile (dropSlotsWrittenMeanwhile).
    const int end = m_end;
    const int start = wholeRing ? (end + 1) % ringSlots() : m_log.ringIndex();
    const int count = wholeRing ? ringSlots() - 1 : m_device.ringDistance(unsigned(start), unsigned(end));
    dlg.setProgressRange(count);
    dlg.show();

    bool toldOfReadOut = true;
    if (count > 0) {
        QVector<LogEntry> taken;
        int dropped = 0;
        if (!takeSlots(dlg, start, count, taken) || !dropSlotsWrittenMeanwhile(end, count, taken, dropped)) {
            if (m_changed)
                refuseChangedLogger(true);
            dlg.close();
            return false;
        }
        // Every slot of a later read-out's range holds a record logged since the last one.
        // One overwritten meanwhile, or erased ahead of the logger's writing (read blank),
        // lost its record: the ring overflowed during the read-out.
        const auto erased = [](const LogEntry& e) {
            return std::all_of(e.bytes(), e.bytes() + LogEntry::size, [](unsigned char b) { return b == 0xFF; });
        };
        if (!wholeRing && (dropped > 0 || std::any_of(taken.cbegin(), taken.cend(), erased)))
            markDataGap();
        // Erased slots and anything else no record can be.
        taken.erase(std::remove_if(taken.begin(), taken.end(),
                                   [](const LogEntry& e) { return e.kind() >= KindFirstUnknown; }),
                    taken.end());
        const Committed committed = commit(taken, end, foreign);
        if (committed == Committed::Dropped) {
            dlg.close();
            return false;
        }
        if (committed == Committed::NotTold) {
            dlg.showNotice(tr("A napló elmentve, de a kiolvasás idejét nem sikerült a készülékbe írni."));
            toldOfReadOut = false;
        }
    }

    dlg.setProgressVisible(false);
    dlg.setButtonText(tr("OK"));
    if (m_device.statusBits >= 32 && dlg.clockOk && toldOfReadOut)
        dlg.close();
    else
        dlg.waitForClose();
    return true;
}
