#pragma once

#include <QSettings>
#include <QString>

// The per-user settings: text values by section and key, in an INI file of the application "KVPLS2". Sections
// are "settings" and "settings/CustColors". Numbers are stored as plain decimal text.
class SettingsStore {
public:
    // The user's own store.
    SettingsStore();
    // A store in the given INI file (tests point it at a temporary folder).
    explicit SettingsStore(const QString& iniFile);

    QString read(const QString& section, const QString& key, const QString& defaultValue) const;
    void write(const QString& section, const QString& key, const QString& value);

    static constexpr const char* kSettings = "settings";
    static constexpr const char* kCustColors = "settings/CustColors";

private:
    mutable QSettings settings_;
};
