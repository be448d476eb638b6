// The .ico files the Windows programs carry are their drawings as the
// generator makes them today. What Windows reads of them, each size and the
// largest as PNG, is checked on the built programs
// (packaging/windows/tests/program_resources_test.cpp).

#include <gtest/gtest.h>

#include <QFile>

#include "packaging/icons/generator/svg_icon_images.h"
#include "packaging/icons/generator/windows_icon_file.h"

namespace vortalis::icons {
namespace {

const QString kIconsFolder = QStringLiteral(ICONS_FOLDER);

QList<int> IconSizes() { return {std::begin(kWindowsIconSizes), std::end(kWindowsIconSizes)}; }

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class WindowsIcon : public ::testing::TestWithParam<QString> {
  protected:
    QString drawing = kIconsFolder + QStringLiteral("/vortalis-%1.svg").arg(GetParam());
    QByteArray kept =
        FileBytes(kIconsFolder + QStringLiteral("/windows/vortalis-%1.ico").arg(GetParam()));
};

TEST_P(WindowsIcon, IsItsDrawingAsTheGeneratorMakesIt) {
    ASSERT_FALSE(kept.isEmpty()) << "no icon kept for " << GetParam().toStdString();
    const QList<QImage> images = SvgIconImages(drawing, IconSizes());
    ASSERT_EQ(images.size(), IconSizes().size()) << drawing.toStdString() << " is no drawing";
    EXPECT_TRUE(WindowsIconFile(images) == kept)
        << GetParam().toStdString()
        << "'s icon is not its drawing: cmake --build --preset default --target windows_icons";
}

INSTANTIATE_TEST_SUITE_P(EveryProgram, WindowsIcon,
                         ::testing::ValuesIn(QStringLiteral(ICON_PROGRAMS).split(u',')),
                         [](const auto& tested) { return tested.param.toStdString(); });

}  // namespace
}  // namespace vortalis::icons
