#pragma once

#include <QString>

// The per-user settings store, addressed by application ("Maker\Product"), section and key.
// A missing key reads as the default. Every SaveSetting reaches the disk at once, unless a
// SettingsBatch is open: then its writes reach the disk together when the batch closes.
QString GetSetting(const QString& application, const QString& section, const QString& key,
                   const QString& defaultValue);
void SaveSetting(const QString& application, const QString& section, const QString& key,
                 const QString& value);

// Groups writes so that the stored file holds either all of them or none.
class SettingsBatch {
public:
    explicit SettingsBatch(const QString& application);
    ~SettingsBatch();
    SettingsBatch(const SettingsBatch&) = delete;
    SettingsBatch& operator=(const SettingsBatch&) = delete;
};
