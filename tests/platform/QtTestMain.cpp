// GoogleTest entry for the platform tests: one widget application for the whole run,
// since message boxes, fonts and the JPEG writer need it.
#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
