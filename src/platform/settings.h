#pragma once

#include <QString>

namespace ds {

// The per-user settings store.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual QString value(const QString &key) const = 0;
    virtual void setValue(const QString &key, const QString &value) = 0;
};

} // namespace ds
