#include "platform/settings/QtSettingsStore.h"

#include <QSettings>
#include <QStandardPaths>
#include <QStringList>

namespace tarn {

namespace {

QString ToQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString ValueKey(std::string_view section, std::string_view name)
{
    return ToQString(section) + QLatin1Char('/') + ToQString(name);
}

}  // namespace

QtSettingsStore::QtSettingsStore(QString rootFolder)
    : root_(rootFolder.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
                                 : std::move(rootFolder))
{
}

QString QtSettingsStore::FileFor(std::string_view keyPath) const
{
    QStringList parts = ToQString(keyPath).split(QLatin1Char('\\'), Qt::SkipEmptyParts);
    if (!parts.isEmpty() && parts.front().compare(QLatin1String("software"), Qt::CaseInsensitive) == 0)
        parts.removeFirst();
    const QString file = parts.isEmpty() ? QStringLiteral("settings") : parts.takeLast();
    parts.prepend(root_);
    parts.append(file + QStringLiteral(".ini"));
    return parts.join(QLatin1Char('/'));
}

std::optional<std::string> QtSettingsStore::ReadText(std::string_view keyPath, std::string_view section,
                                                     std::string_view name) const
{
    const QSettings settings(FileFor(keyPath), QSettings::IniFormat);
    const QVariant value = settings.value(ValueKey(section, name));
    if (!value.isValid())
        return std::nullopt;
    return value.toString().toStdString();
}

std::optional<long long> QtSettingsStore::ReadInteger(std::string_view keyPath, std::string_view section,
                                                      std::string_view name) const
{
    const QSettings settings(FileFor(keyPath), QSettings::IniFormat);
    const QVariant value = settings.value(ValueKey(section, name));
    bool ok = false;
    const long long number = value.toLongLong(&ok);
    if (!value.isValid() || !ok)
        return std::nullopt;
    return number;
}

void QtSettingsStore::WriteText(std::string_view keyPath, std::string_view section, std::string_view name,
                                std::string_view value)
{
    QSettings settings(FileFor(keyPath), QSettings::IniFormat);
    settings.setValue(ValueKey(section, name), ToQString(value));
}

void QtSettingsStore::WriteInteger(std::string_view keyPath, std::string_view section, std::string_view name,
                                   long long value)
{
    QSettings settings(FileFor(keyPath), QSettings::IniFormat);
    settings.setValue(ValueKey(section, name), value);
}

}  // namespace tarn
