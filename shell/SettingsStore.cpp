#include "SettingsStore.h"

SettingsStore::SettingsStore() : settings_(QSettings::IniFormat, QSettings::UserScope, "KVPLS2") {}

SettingsStore::SettingsStore(const QString& iniFile) : settings_(iniFile, QSettings::IniFormat) {}

QString SettingsStore::read(const QString& section, const QString& key, const QString& defaultValue) const {
    return settings_.value(section + '/' + key, defaultValue).toString();
}

void SettingsStore::write(const QString& section, const QString& key, const QString& value) {
    settings_.setValue(section + '/' + key, value);
    settings_.sync();
}
