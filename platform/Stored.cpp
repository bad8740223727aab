#include "platform/Stored.h"

#include "platform/App.h"
#include "platform/Settings.h"

namespace Stored {

namespace {

// Constants, so that an item is whole even when asked for while the program is still being
// set up.
constexpr QLatin1String kOptions("Options");
constexpr QLatin1String kGame("Orbet Game");
constexpr QLatin1String kName("Orbet Name");
constexpr QLatin1String kScore("Orbet Score");
constexpr QLatin1String kTrue("True");
constexpr QLatin1String kFalse("False");
constexpr QLatin1String kOn("on");
constexpr QLatin1String kOff("off");

} // namespace

Item Of(Key key) {
    switch (key) {
    case Key::Sounds:
        return {kOptions, QStringLiteral("Sounds"), kOn};
    case Key::Shapes:
        return {kOptions, QStringLiteral("Shapes"), kFalse};
    case Key::RememberGame:
        return {kOptions, QStringLiteral("RememberGame"), kFalse};
    case Key::Zoom:
        return {kOptions, QStringLiteral("Zoom"), QStringLiteral("100")};
    case Key::GameBoard:
        return {kGame, QStringLiteral("Board"), QString()};
    case Key::GameNext:
        return {kGame, QStringLiteral("Next"), QString()};
    case Key::GameScore:
        return {kGame, QStringLiteral("Score"), QString()};
    }
    return {};
}

Item Name(int32_t rank) {
    return {kName, QString::number(rank), QStringLiteral("-")};
}

Item Score(int32_t rank) {
    return {kScore, QString::number(rank), QStringLiteral("0")};
}

QString Spelling(Key key, bool on) {
    if (key == Key::Sounds) {
        return on ? kOn : kOff;
    }
    return on ? kTrue : kFalse;
}

bool IsOn(Key key, const QString& value) {
    return value.compare(Spelling(key, true), Qt::CaseInsensitive) == 0;
}

QString Read(const Item& item) {
    return GetSetting(App::SettingsApplication(), item.section, item.key, item.absent);
}

void ReadTogether(const std::function<void(const Get&)>& read) {
    GetSettings(App::SettingsApplication(), [&](const SettingsGet& get) {
        read([&](const Item& item) { return get(item.section, item.key, item.absent); });
    });
}

bool Edit(const std::function<void(SettingsEdit&)>& edit) {
    return EditSettings(App::SettingsApplication(), {kOptions, kName, kScore, kGame}, edit);
}

bool Write(const Item& item, const QString& value) {
    return Edit([&](SettingsEdit& settings) { settings.Save(item.section, item.key, value); });
}

bool Remove(const Item& item) {
    return Edit([&](SettingsEdit& settings) { settings.Remove(item.section, item.key); });
}

} // namespace Stored
