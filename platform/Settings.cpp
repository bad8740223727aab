#include "platform/Settings.h"

#include <QSettings>

#include <memory>

namespace {

std::unique_ptr<QSettings> OpenStore(const QString& application) {
    const qsizetype slash = application.indexOf(QLatin1Char('\\'));
    const QString maker = slash < 0 ? QString() : application.left(slash);
    const QString product = slash < 0 ? application : application.mid(slash + 1);
    return std::make_unique<QSettings>(QSettings::UserScope, maker, product);
}

// The store of the open batch, if any; batches do not nest.
std::unique_ptr<QSettings>& BatchStore() {
    static std::unique_ptr<QSettings> store;
    return store;
}

QString KeyPath(const QString& section, const QString& key) {
    return section + QLatin1Char('/') + key;
}

} // namespace

QString GetSetting(const QString& application, const QString& section, const QString& key,
                   const QString& defaultValue) {
    auto& batch = BatchStore();
    const auto own = batch ? nullptr : OpenStore(application);
    QSettings& store = batch ? *batch : *own;
    const QVariant value = store.value(KeyPath(section, key));
    if (!value.isValid()) {
        return defaultValue;
    }
    // A value that is not plain text (a list or a binary blob written by something else)
    // reads as the empty text.
    return value.canConvert<QString>() ? value.toString() : QString();
}

void SaveSetting(const QString& application, const QString& section, const QString& key,
                 const QString& value) {
    auto& batch = BatchStore();
    if (batch) {
        batch->setValue(KeyPath(section, key), value);
        return;
    }
    OpenStore(application)->setValue(KeyPath(section, key), value);
}

SettingsBatch::SettingsBatch(const QString& application) {
    BatchStore() = OpenStore(application);
}

SettingsBatch::~SettingsBatch() {
    // QSettings replaces the file in one step when it syncs.
    BatchStore()->sync();
    BatchStore().reset();
}
