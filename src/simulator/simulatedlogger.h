#pragma once
// A Vigilor logger behind a simulated FTDI driver: it speaks the logger's wire protocol
// byte for byte, records every driver call, frame and protocol violation, and can be told
// to misbehave in the ways a real link does. Used by the tests and, through the
// WYX_SIMULATED_LOGGER environment variable, to run the program without hardware.
#include "device/ftdiapi.h"
#include "simulator/simulateddevice.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <map>
#include <vector>

class SimulatedLogger : public FtdiApi
{
public:
    // How a reply is spoilt; see injectReplyFault.
    enum ReplyFault {
        Silent,     // the command is lost: not executed, no reply
        LengthByte, // the reply's length byte becomes arg
        ShortBody,  // the last arg bytes of the reply are not sent
        Garbage,    // bytes are inserted at offset arg of the reply
        LoseBytes,  // count bytes from offset arg are lost
        LateTail,   // the reply from offset arg arrives only after the reader timed out,
                    // at the program's next read or write (a purge in between misses it)
        Unplug      // the device is unplugged after arg bytes of the reply
    };

    SimulatedLogger(); // one default logger
    ~SimulatedLogger() override;

    // Devices. device(i) stays valid until the device list changes.
    int deviceCount() const { return int(m_devices.size()); }
    SimulatedDevice& device(int index = 0) { return m_devices.at(size_t(index)); }
    const SimulatedDevice& device(int index = 0) const { return m_devices.at(size_t(index)); }
    int addDevice(const QByteArray& description, const QByteArray& serial);
    void removeDevices(); // no devices at all

    // Strict (default): a violating frame gets no reply and an unconfigured link no 'B'.
    // Violations are recorded in either mode.
    void setStrict(bool strict) { m_strict = strict; }
    QStringList violations() const { return m_violations; }
    // Every driver call, as "name args" (write shows the bytes in hex, e.g. "write 53").
    QStringList calls() const { return m_calls; }
    int callCount(const QString& name) const; // calls whose first word is name
    QList<QByteArray> frames() const { return m_frames; } // complete request frames
    QList<QByteArray> framesOf(int command) const;
    QList<QByteArray> replies() const { return m_replies; } // replies as generated
    void clearLogs();
    // Off: calls, frames and replies are not kept (a long-running program); violations are.
    void setRecording(bool on) { m_recording = on; }

    // Fault injection. Counts run from the moment of injection.
    void failDeviceList(bool fail) { m_failDeviceList = fail; }
    // The nth call of the named driver operation ("openBySerial", "resetDevice", ...,
    // "read", "write", "purgeRx") fails; nth 0 means every call. For "write",
    // shortBy > 0 makes it a short write (that many bytes fewer, nothing delivered).
    void failCall(const QString& name, int nth = 1, int shortBy = 0);
    // The next count wake-ups get no answer (byte < 0) or the given byte instead of 'B'.
    void failWakeUps(int count, int byte = -1);
    // The nth frame of the command (-1: any command) from now has its reply spoilt;
    // nth 0 spoils every such frame.
    void injectReplyFault(int command, int nth, ReplyFault fault, int arg = 0, int count = 1,
                          const QByteArray& bytes = QByteArray());
    // The next frames get these raw replies (length byte included) instead of the
    // device's own; the commands are not executed.
    void serveReplies(const QList<QByteArray>& replies);
    // After n more complete replies the device is unplugged; with keepBytes >= 0 it goes
    // during reply n + 1, after that many of its bytes.
    void unplugAfter(int transactions, int keepBytes = -1);
    // The nth identity read (configuration read 0/0) from now, nth 0 every one, answers with
    // its 36-byte record passed through transform and cut or padded back to 36 bytes: a
    // reply garbled within its length, which the link cannot tell.
    using IdentityTransform = std::function<void(QByteArray& identity)>;
    void garbleIdentity(int nth, IdentityTransform transform);
    // A transform that makes the identity's write index f(index), kept to 16 bits.
    static IdentityTransform garbledWriteIndex(std::function<int(int)> f);
    void clearFaults();

    // A well-formed reply: length, command echo, payload, checksum.
    static QByteArray makeReply(quint8 command, const QByteArray& payload);
    // A well-formed request frame (the program's side), for tests.
    static QByteArray makeFrame(const QByteArray& commandAndParams);
    static quint8 checksum(const QByteArray& bytes, int from, int to); // 0xE5 ^ bytes[from..to)

    // Called after every command that changed a device's memory, clock or ring.
    void setChangeHandler(std::function<void()> handler) { m_changed = std::move(handler); }
    // Called with every complete request frame before the logger acts on it, so that a test
    // can let the logger log a record in the middle of a read-out.
    void setFrameHandler(std::function<void(const QByteArray&)> handler) { m_frameHandler = std::move(handler); }

    // State file (JSON, versioned). load() replaces the devices only when the whole file is
    // sound; otherwise it returns false with errorString() set and changes nothing.
    bool save(const QString& path);
    bool load(const QString& path);
    bool loadFromData(const QByteArray& data);
    QByteArray saveToData() const;
    QString errorString() const { return m_error; }

    // FtdiApi
    bool createDeviceInfoList(int& count) override;
    bool getDeviceInfoDetail(int index, unsigned& flags, QByteArray& serial,
                             QByteArray& description) override;
    Handle openBySerial(const QByteArray& serial) override;
    bool close(Handle h) override;
    bool resetDevice(Handle h) override;
    bool setLatencyTimer(Handle h, int ms) override;
    bool setUsbParameters(Handle h, int inTransferSize, int outTransferSize) override;
    bool setBaudRate(Handle h, int baud) override;
    bool setDataCharacteristics(Handle h, int dataBits, StopBits stopBits, Parity parity) override;
    bool setFlowControl(Handle h, FlowControl flow, char xon, char xoff) override;
    bool setTimeouts(Handle h, int readMs, int writeMs) override;
    bool read(Handle h, unsigned char* buf, int n, int& got) override;
    bool write(Handle h, const unsigned char* buf, int n, int& written) override;
    bool purgeRx(Handle h) override;

private:
    struct Session {
        int device = -1;
        int baud = 0;
        int dataBits = 0;
        int stopBits = -1;
        int parity = -1;
        int flow = -1;
        int xon = -1;
        int xoff = -1;
        bool awake = false;
        QByteArray frame; // bytes of the frame being received
        QByteArray rx;    // bytes the program can read now
        QByteArray late;  // bytes that arrive after the next read times out
        QByteArray inFlight; // on the wire: they reach rx at the next read or write, after any purge
        bool linkConfigured() const;
    };
    struct Fault {
        int command;
        int nth;
        int seen;
        ReplyFault kind;
        int arg;
        int count;
        QByteArray bytes;
    };
    struct IdentityGarble {
        int nth;
        int seen;
        IdentityTransform transform;
    };
    struct CallFault {
        int nth;
        int seen;
        int shortBy;
    };

    void log(const QString& call);
    void violation(const QString& what);
    bool callFails(const QString& name, int* shortBy = nullptr);
    Session* session(Handle h, const char* call);
    bool configure(Handle h, const QString& call);
    void receive(Session& s, unsigned char byte);
    void handleFrame(Session& s, const QByteArray& frame);
    bool checkFrame(const SimulatedDevice& dev, const QByteArray& frame);
    QByteArray execute(SimulatedDevice& dev, const QByteArray& frame, bool& changed);
    void deliver(Session& s, const QByteArray& reply);
    void garbleIdentityReply(QByteArray& reply);
    void unplug(int device);
    static void land(Session& s);
    void notifyChanged();

    std::vector<SimulatedDevice> m_devices;
    std::vector<int> m_listed; // device indexes of the last createDeviceInfoList
    std::map<quintptr, Session> m_sessions;
    quintptr m_nextHandle = 0x5100;
    bool m_strict = true;
    bool m_recording = true;
    QStringList m_violations;
    QStringList m_calls;
    QList<QByteArray> m_frames;
    QList<QByteArray> m_replies;
    bool m_failDeviceList = false;
    std::map<QString, std::vector<CallFault>> m_callFaults;
    int m_wakeFaults = 0;
    int m_wakeByte = -1;
    std::vector<Fault> m_faults;
    std::vector<IdentityGarble> m_identityGarbles;
    QList<QByteArray> m_served;
    int m_unplugAfter = -1;
    int m_unplugKeep = -1;
    std::function<void()> m_changed;
    std::function<void(const QByteArray&)> m_frameHandler;
    QString m_error;
};
