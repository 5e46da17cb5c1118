// The settings store over QSettings.
#include "qt/qsettings_store.h"

#include <QSettings>
#include <QString>
#include <QStringList>
#include <QVariant>

namespace ordinax::qt {

namespace {

QString valueKey(const std::string& section, const std::string& key) {
    return QString::fromStdString(section) + QLatin1Char('/') + QString::fromStdString(key);
}

// A value of an INI file that holds unquoted commas (a font or a paint style
// typed by hand) is read back by QSettings as a list: rejoin it.
QString valueText(const QVariant& value) {
    if (value.typeId() == QMetaType::QStringList) return value.toStringList().join(QLatin1Char(','));
    return value.toString();
}

}  // namespace

QSettingsStore QSettingsStore::userStore() {
    return QSettingsStore(std::make_unique<QSettings>(QStringLiteral("Vantoris"), QStringLiteral("Ordinax")));
}

QSettingsStore QSettingsStore::iniFile(const std::string& path) {
    return QSettingsStore(std::make_unique<QSettings>(QString::fromStdString(path), QSettings::IniFormat));
}

QSettingsStore::QSettingsStore(std::unique_ptr<QSettings> settings) : settings_(std::move(settings)) {}
QSettingsStore::QSettingsStore(QSettingsStore&&) noexcept = default;
QSettingsStore& QSettingsStore::operator=(QSettingsStore&&) noexcept = default;
QSettingsStore::~QSettingsStore() = default;

std::optional<int> QSettingsStore::readInt(const std::string& section, const std::string& key) const {
    const QVariant value = settings_->value(valueKey(section, key));
    if (!value.isValid()) return std::nullopt;
    switch (value.typeId()) {
        case QMetaType::Int:
            return value.toInt();
        case QMetaType::UInt:
        case QMetaType::LongLong:
        case QMetaType::ULongLong: {
            bool ok = false;
            const int number = value.toInt(&ok);
            if (ok) return number;
            return std::nullopt;
        }
        default: {
            // QString::toInt reads the C-locale form whatever the user's locale.
            bool ok = false;
            const int number = valueText(value).trimmed().toInt(&ok);
            if (ok) return number;
            return std::nullopt;
        }
    }
}

std::optional<std::string> QSettingsStore::readString(const std::string& section, const std::string& key) const {
    const QVariant value = settings_->value(valueKey(section, key));
    if (!value.isValid()) return std::nullopt;
    return valueText(value).toStdString();
}

void QSettingsStore::writeInt(const std::string& section, const std::string& key, int value) {
    settings_->setValue(valueKey(section, key), value);
}

void QSettingsStore::writeString(const std::string& section, const std::string& key, const std::string& value) {
    settings_->setValue(valueKey(section, key), QString::fromStdString(value));
}

bool QSettingsStore::flush() {
    settings_->sync();
    return settings_->status() == QSettings::NoError;
}

std::string QSettingsStore::fileName() const { return settings_->fileName().toStdString(); }

}  // namespace ordinax::qt
