#include "settings/registry_settings.h"

#include "platform/io/systemreason.h"

#include <QCoreApplication>

#include <QByteArray>

#include <cerrno>
#include <cmath>
#include <cstring>
#include <limits>
#include <optional>
#include <vector>

using namespace trevisto::registry;

namespace {

constexpr DWORD kWriteAccess = 0x3F; // query, set, create sub-key, enumerate, notify, link

// The 32 bits a REG_DWORD stores for `value`: whole numbers from the signed and the
// unsigned 32-bit range (the same bits either way); texts of such numbers; fractions
// rounded half to even. Nothing for anything else.
std::optional<quint32> dwordOf(const QVariant &value)
{
    if (!value.isValid() || value.isNull())
        return 0u;
    double d = 0;
    bool ok = false;
    switch (value.typeId()) {
    case QMetaType::QString:
    case QMetaType::QByteArray: {
        const QString text = value.toString().trimmed();
        const qlonglong n = text.toLongLong(&ok);
        d = ok ? double(n) : text.toDouble(&ok);
        break;
    }
    default:
        d = value.toDouble(&ok);
        break;
    }
    if (!ok || !std::isfinite(d))
        return std::nullopt;
    d = std::nearbyint(d);
    if (d < double(std::numeric_limits<qint32>::min()) || d > double(std::numeric_limits<quint32>::max()))
        return std::nullopt;
    return quint32(qint64(d));
}

// The text of REG_SZ bytes less its last character (normally the terminating NUL).
QString withoutLastCharacter(const QByteArray &bytes)
{
    QString text = QString::fromUtf8(bytes);
    if (text.isEmpty())
        return text;
    int drop = 1;
    if (text.size() >= 2 && text.back().isLowSurrogate() && text.at(text.size() - 2).isHighSurrogate())
        drop = 2;
    text.chop(drop);
    return text;
}

} // namespace

LONG RegWriteValue(const QString &keyPath, const QString &valueName, const QVariant &value, DWORD valueType)
{
    HKEY key = 0;
    DWORD disposition = 0;
    LONG r = RegCreateKeyExA(HKEY_LOCAL_MACHINE, keyPath.toUtf8().constData(), 0, nullptr, 0, kWriteAccess, nullptr,
                             &key, &disposition);
    if (r == ERROR_SUCCESS)
        r = RegSetTypedValue(key, valueName, valueType, value);
    RegCloseKey(key);
    return r;
}

QString RegWriteFailure(LONG code)
{
    switch (code) {
    case ERROR_DISK_FULL: return trevisto::io::systemReason(ENOSPC);
    case ERROR_WRITE_PROTECT: return trevisto::io::systemReason(EROFS);
    case ERROR_ACCESS_DENIED: return trevisto::io::systemReason(EACCES);
    case ERROR_WRITE_FAULT: return trevisto::io::systemReason(EIO);
    }
    return QCoreApplication::translate("Settings", "error %1").arg(code);
}

LONG RegSetTypedValue(HKEY key, const QString &valueName, DWORD valueType, const QVariant &value)
{
    const QByteArray name = valueName.toUtf8();
    if (valueType == REG_SZ) {
        // The size counts bytes, so text beyond ASCII is stored whole.
        const QByteArray text = value.toString().toUtf8();
        return RegSetValueExA(key, name.constData(), 0, REG_SZ, reinterpret_cast<const BYTE *>(text.constData()),
                              DWORD(text.size() + 1));
    }
    if (valueType == REG_DWORD) {
        const auto n = dwordOf(value);
        if (!n)
            return ERROR_INVALID_PARAMETER;
        BYTE bytes[4];
        std::memcpy(bytes, &*n, 4);
        return RegSetValueExA(key, name.constData(), 0, REG_DWORD, bytes, 4);
    }
    return ERROR_SUCCESS;
}

QString RegReadString(const QString &keyPath, const QString &valueName)
{
    HKEY key = 0;
    RegOpenKeyExA(HKEY_LOCAL_MACHINE, keyPath.toUtf8().constData(), 0, KEY_QUERY_VALUE, &key);
    QVariant v;
    RegQueryTypedValue(key, valueName, v);
    RegCloseKey(key);
    return v.toString();
}

LONG RegQueryTypedValue(HKEY key, const QString &valueName, QVariant &value)
{
    const QByteArray name = valueName.toUtf8();
    DWORD type = 0, size = 0;
    LONG r = RegQueryValueExA(key, name.constData(), nullptr, &type, nullptr, &size);
    if (r != ERROR_SUCCESS)
        return r;
    if (type == REG_SZ) {
        QByteArray buffer(qsizetype(size), '\0');
        r = RegQueryValueExA(key, name.constData(), nullptr, &type, reinterpret_cast<BYTE *>(buffer.data()), &size);
        value = r == ERROR_SUCCESS ? QVariant(withoutLastCharacter(buffer.left(size))) : QVariant();
        return r;
    }
    if (type == REG_DWORD) {
        qint32 n = 0;
        size = sizeof n;
        r = RegQueryValueExA(key, name.constData(), nullptr, &type, reinterpret_cast<BYTE *>(&n), &size);
        if (r == ERROR_SUCCESS)
            value = n;
        return r;
    }
    return -1;
}
