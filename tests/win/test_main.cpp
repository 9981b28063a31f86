// The win tier's entry point: COM and one application object, as velk.exe
// has, for every test of the program.
#include <gtest/gtest.h>

#include "ui/application.h"
#include "ui/image_decoder.h"

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    const velk::ComApartment com;
    velk::Application application(L"=VELK=");
    return RUN_ALL_TESTS();
}
