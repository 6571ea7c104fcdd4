#pragma once
// The values a route plan is made of: a time of at most nine days and 23:59 at minute
// resolution, a start (or service-time) record, a checkpoint with its offset, and a
// route's header. They are copied freely and kept by value in the plan's tree.
#include <QMetaType>
#include <QString>

class QDataStream;

// The five route types, by the order of the checkpoints and the kind of start.
enum RouteType {
    RouteFixedOrderFixedStart = 0,
    RouteFixedOrderFreeStart = 1,
    RouteFreeOrderFixedStart = 2,
    RouteFreeOrderFreeStart = 3,
    RouteFreeOrderFlexibleStart = 4,
    RouteTypeCount = 5
};

// Long ("Kötött Sorrend - Kötött Indulás") or short ("KS - KI") name of a route type;
// "kód :%1" for any other code.
QString routeTypeName(int type, bool longForm);

class RouteTime
{
public:
    static constexpr unsigned maxSeconds = 863940; // 239:59
    static constexpr int maxMinutes = 14399;
    static constexpr qint8 unsetMinutes = -128;

    RouteTime() = default;

    bool isUnset() const { return minutes < 0; }
    // Rounds to the nearest minute (30 s rounds down); beyond 239:59 the time is unset.
    void setSeconds(unsigned seconds);
    // -1 when unset.
    int toSeconds() const;
    // Ignored when unset or when the result would leave 0:00..239:59.
    void addMinutes(int n);
    // Always 7 characters: "    :  ", "  05:07", "1 05:07".
    QString toString() const;
    // Parses the trimmed text; a text that does not match the time pattern unsets the time.
    RouteTime& fromString(const QString& text);
    static RouteTime parse(const QString& text) { return RouteTime().fromString(text); }

    // Byte equality: two unset times with different minute bytes differ.
    bool operator==(const RouteTime& o) const { return hours == o.hours && minutes == o.minutes; }
    bool operator!=(const RouteTime& o) const { return !(*this == o); }

    quint8 hours = 0;              // whole days * 24 + hour of the day
    qint8 minutes = unsetMinutes; // negative: unset
};

RouteTime routeTimeFromSeconds(unsigned seconds);
// The pattern every editor of a route time accepts (day digit, hours 0-23, minutes).
QString routeTimePattern();

QDataStream& operator<<(QDataStream& out, const RouteTime& t);
QDataStream& operator>>(QDataStream& in, RouteTime& t);

class RouteStart
{
public:
    RouteStart() = default; // the blank start: count 0, every time unset
    RouteStart(unsigned t1Seconds, unsigned t2Seconds, quint16 count, unsigned t3Seconds, unsigned t4Seconds);
    RouteStart(const QString& t1, const QString& t2, quint16 count, const QString& t3, const QString& t4);

    // Times compared by their seconds (two unset times are equal), then the count.
    bool operator==(const RouteStart& o) const;
    bool operator!=(const RouteStart& o) const { return !(*this == o); }
    bool operator<(const RouteStart& o) const;
    bool operator>(const RouteStart& o) const { return o < *this; }

    // The 12-byte start record of the older route format; serviceType for route type 3.
    void readLegacy(QDataStream& in, bool serviceType);

    quint16 count = 0;
    RouteTime t1, t2, t3, t4;
};

QDataStream& operator<<(QDataStream& out, const RouteStart& s);
QDataStream& operator>>(QDataStream& in, RouteStart& s);

class RoutePoint
{
public:
    static constexpr int codeSize = 6;

    RoutePoint();
    RoutePoint(const QString& codeText, unsigned seconds);
    RoutePoint(const QString& codeText, const QString& timeText);

    // False, and nothing changed, for minutes outside 0..14399.
    bool set(const unsigned char newCode[codeSize], int minutes);
    // Upper-cased and padded on the right with "A"; callers check the letters first.
    void setCode(const QString& text);
    void setCodeBytes(const unsigned char bytes[codeSize]);
    void codeBytes(unsigned char out[codeSize]) const;
    bool hasCode(const unsigned char other[codeSize]) const;
    // The checkpoint's name in the code-name list (any date), else its 12 letters;
    // with the offset's 7-character text and a blank in front when withTime is set.
    QString describe(bool withTime) const;

    RouteTime offset;
    unsigned char code[codeSize];
};

QDataStream& operator<<(QDataStream& out, const RoutePoint& p);
QDataStream& operator>>(QDataStream& in, RoutePoint& p);

class RouteHead
{
public:
    static constexpr int maxNameBytes = 80;

    RouteHead() = default;
    RouteHead(const QString& name, int type, const RouteTime& duration);

    QString typeName(bool longForm) const { return routeTypeName(type, longForm); }

    QString name;
    int type = -1;
    RouteTime duration;
};

// A name the route record holds whole, so that it reads back as typed: 1 to 80
// characters without "#", every one in the local code page, at most 80 bytes there.
bool isValidRouteName(const QString& name);
// The name as the route record holds it and a load gives it back.
QString storedRouteName(const QString& name);
// The next name of a numbered series ("Reggel", "Reggel2", ...), shortened in front of
// its number so that it stays a valid route name of at most 80 characters and bytes.
QString nextRouteName(const QString& name);

// The route record: length byte, at most 80 bytes of the name in the local 8-bit code
// page (never cut inside a character), type, a zero byte and the duration.
QDataStream& operator<<(QDataStream& out, const RouteHead& h);
QDataStream& operator>>(QDataStream& in, RouteHead& h);

Q_DECLARE_METATYPE(RouteTime)
Q_DECLARE_METATYPE(RouteStart)
Q_DECLARE_METATYPE(RoutePoint)
Q_DECLARE_METATYPE(RouteHead)
