#pragma once

// An installed program in a temporary folder, for the tests of where files live.
#include "core/files/locations.h"

#include <QDir>
#include <QTemporaryDir>
#include <optional>
#include <utility>
#include <vector>

namespace testkit {

// A prefix with bin/ and share/soccer/ as `cmake --install` lays them out, and an empty home
// whose folders the base-directory variables point into.
class Installation {
  public:
    Installation() {
        QDir(root_.path()).mkpath("prefix/bin");
        QDir(root_.path()).mkpath("prefix/share/soccer/classic");
        QDir(root_.path()).mkpath("home");
        soccer::setProgramFolder(path("prefix/bin"));
        remember("HOME", path("home"));
        remember("XDG_CONFIG_HOME", path("home/config"));
        remember("XDG_DATA_HOME", path("home/data"));
    }
    ~Installation() {
        soccer::setProgramFolder(QString());
        for (const auto &[name, value] : saved_) {
            if (value)
                qputenv(name, *value);
            else
                qunsetenv(name);
        }
    }
    Installation(const Installation &) = delete;
    Installation &operator=(const Installation &) = delete;

    QString path(const QString &relative) const { return root_.filePath(relative); }

  private:
    void remember(const char *name, const QString &value) {
        saved_.push_back({name, qEnvironmentVariableIsSet(name)
                                    ? std::optional<QByteArray>(qgetenv(name))
                                    : std::nullopt});
        qputenv(name, value.toLocal8Bit());
    }

    QTemporaryDir root_;
    std::vector<std::pair<const char *, std::optional<QByteArray>>> saved_;
};

} // namespace testkit
