#include "core/files/options.h"

#include "core/files/linewriter.h"
#include "core/files/listreader.h"
#include "core/files/wholefile.h"
#include "core/league/errors.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <cmath>

namespace soccer {

namespace {

// Far outside 0..255 already; keeps the rounding of a wild value defined.
constexpr double kComponentLimit = 1e9;

int componentFrom(double value) {
    return int(std::lround(std::clamp(value, -kComponentLimit, kComponentLimit)));
}

Rgb readColor(ListReader &reader) {
    Rgb color;
    color.red = componentFrom(reader.readNumber());
    color.green = componentFrom(reader.readNumber());
    color.blue = componentFrom(reader.readNumber());
    reader.skipRestOfLine();
    return color;
}

void writeColor(LineWriter &writer, const Rgb &color) {
    writer.writeNumber(color.red);
    writer.writeNumber(color.green);
    writer.writeNumber(color.blue);
    writer.endLine();
}

Rgb clamped(const Rgb &color) {
    return {std::clamp(color.red, 0, 255), std::clamp(color.green, 0, 255),
            std::clamp(color.blue, 0, 255)};
}

ColorScheme clampedScheme(const ColorScheme &scheme) {
    return {clamped(scheme.main), clamped(scheme.second), clamped(scheme.text)};
}

// The delivered option.dat is read-only for the user and never repaired: a damaged one only
// gives way to the standard scheme.
ColorScheme deliveredScheme() {
    try {
        return clampedScheme(readOptionsFile(deliveredFile(QStringLiteral("option.dat"))));
    } catch (const CoreError &) {
        return ColorScheme::standard();
    }
}

} // namespace

ColorScheme parseOptions(const QByteArray &bytes) {
    ListReader reader(bytes);
    ColorScheme scheme;
    scheme.main = readColor(reader);
    scheme.second = readColor(reader);
    scheme.text = readColor(reader);
    return scheme;
}

ColorScheme readOptionsFile(const QString &path) {
    return parseOptions(readWholeFile(path));
}

QByteArray optionsBytes(const ColorScheme &scheme) {
    LineWriter writer;
    writeColor(writer, scheme.main);
    writeColor(writer, scheme.second);
    writeColor(writer, scheme.text);
    return writer.bytes();
}

void writeOptionsFile(const QString &path, const ColorScheme &scheme) {
    saveWholeFile(path, optionsBytes(scheme));
}

ColorScheme loadColorScheme(const QString &path) {
    try {
        return clampedScheme(readOptionsFile(path));
    } catch (const CoreError &) {
        // A missing or damaged file must not keep the program from starting: the standard
        // colours take its place and are written down for next time.
    }
    const ColorScheme standard = ColorScheme::standard();
    try {
        writeOptionsFile(path, standard);
    } catch (const CoreError &) {
        // A folder we may not write to still leaves the program usable in standard colours.
    }
    return standard;
}

ColorScheme loadColorScheme() {
    const QString path = optionsFilePath();
    if (placement() == Placement::Installed && !QFileInfo::exists(path))
        return deliveredScheme();
    return loadColorScheme(path);
}

void saveColorScheme(const ColorScheme &scheme) {
    const QString path = optionsFilePath();
    // The user's configuration folder may not exist yet; a program folder is never made.
    if (placement() == Placement::Installed)
        QDir().mkpath(QFileInfo(path).path());
    writeOptionsFile(path, scheme);
}

} // namespace soccer
