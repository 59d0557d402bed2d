// Writes a synthetic disc of the end-to-end checks and its manifest:
//     conversion_make_test_images FOLDER [NAME]   ->   FOLDER/NAME.img, FOLDER/NAME.json (NAME: acceptance)
// NAME "stop" makes the disc that a slowed conversion is stopped on; any other the acceptance disc.

#include "conversion/disc/tests/support/ConversionDiscMaker.h"

#include <cstdio>
#include <exception>
#include <string>

int main(int argc, char** argv)
{
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: conversion_make_test_images FOLDER [NAME]\n");
        return 2;
    }
    try {
        const std::string folder = argv[1];
        const std::string name = argc == 3 ? argv[2] : "acceptance";
        const NSConversionTestSupport::CTestDisc disc = name == "stop" ? NSConversionTestSupport::MakeStopDisc()
                                                                       : NSConversionTestSupport::MakeAcceptanceDisc();
        NSConversionTestSupport::WriteBytesToFile(folder + "/" + name + ".img", disc.image.Bytes());
        NSConversionTestSupport::WriteTextToFile(folder + "/" + name + ".json", disc.manifest);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "cannot make the images: %s\n", e.what());
        return 1;
    }
    return 0;
}
