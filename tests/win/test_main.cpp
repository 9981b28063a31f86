// The win tier's entry point: COM and one application object for every
// test of the program.
#include <gtest/gtest.h>

#include "ui/application.h"
#include "win/com_apartment.h"

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    velk::UseCom();
    velk::Application application(L"=VELK=", {.error = L"Błąd!", .information = L"Informacja"});
    return RUN_ALL_TESTS();
}
