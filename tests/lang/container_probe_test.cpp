// Recognising containers: signatures, the version rules, the old format, and
// how each kind of file fails when it is not a container it can read.
#include "lang/container_probe.h"

#include <gtest/gtest.h>

#include "container_test_support.h"
#include "lang/container_lookup.h"
#include "lang/container_reader.h"
#include "lang/project_file_reader.h"

namespace lx {
namespace {

using container_test::containerBytes;
using container_test::logoErrorOf;
using container_test::RaisedError;
using container_test::streamOf;

int probe(std::string_view bytes, ContainerKind kind) {
  auto stream = streamOf(bytes);
  return probeContainer(stream, kind);
}

RaisedError probeError(std::string_view bytes, ContainerKind kind) {
  return logoErrorOf([&] { probe(bytes, kind); });
}

TEST(ContainerProbe, VersionsFourAndFiveAreContainersOfEveryKind) {
  for (ContainerKind kind : {ckProbeOnly, ckImageFile, ckProjectFile}) {
    EXPECT_EQ(probe(containerBytes("04", 0, ""), kind), 4);
    EXPECT_EQ(probe(containerBytes("05", 0, ""), kind), 5);
  }
}

TEST(ContainerProbe, ProbingReadsFromTheStartWhereverTheStreamIs) {
  auto stream = streamOf(containerBytes("05", 0, ""));
  stream.seekg(7);
  EXPECT_EQ(probeContainer(stream, ckProbeOnly), 5);
}

TEST(ContainerProbe, OlderVersionsAndOtherBytesAreNoContainer) {
  for (std::string_view bytes : {"LGF03xxxx", "LGF00xxxx", "LGFabxxxx", "LGF4 xxxx", "LGX04xxxx", "lgf04xxxx",
                                 "LGF0", "", "TX 1 some text"}) {
    EXPECT_EQ(probe(bytes, ckProbeOnly), 0) << bytes;
    EXPECT_EQ(probe(bytes, ckProjectFile), 0) << bytes;
  }
}

TEST(ContainerProbe, NewerVersionsAreRefusedNamingTheFileKind) {
  EXPECT_EQ(probe(containerBytes("06", 0, ""), ckProbeOnly), 0);
  EXPECT_EQ(probe(containerBytes("99", 0, ""), ckProbeOnly), 0);

  RaisedError project = probeError(containerBytes("06", 0, ""), ckProjectFile);
  EXPECT_TRUE(project.raised);
  EXPECT_EQ(project.code, erImageFileVersionPlugin);
  EXPECT_EQ(project.value, ".LXP");

  RaisedError image = probeError(containerBytes("10", 0, ""), ckImageFile);
  EXPECT_EQ(image.code, erImageFileVersionPlugin);
  EXPECT_EQ(image.value, ".LGF");
}

TEST(ContainerProbe, TheOldFormatIsRecognisedButNotRead) {
  EXPECT_EQ(probe("IIP01....", ckProbeOnly), 0);
  EXPECT_EQ(probeError("IIP01....", ckProjectFile).code, erPackage);
  EXPECT_EQ(probeError("IIP42", ckImageFile).code, erPackage);
  // Without its two digits it is only some other file.
  EXPECT_EQ(probe("IIPx1....", ckProjectFile), 0);
}

TEST(ContainerProbe, AnImageFileMustBeAContainer) {
  for (std::string_view bytes : {"", "LGF", "LGF03....", "IIPab", "BM some bitmap"}) {
    RaisedError error = probeError(bytes, ckImageFile);
    EXPECT_TRUE(error.raised) << bytes;
    EXPECT_EQ(error.code, erImageFile) << bytes;
    EXPECT_EQ(error.value, ".LGF") << bytes;
  }
}

TEST(ContainerProbe, WhatIsNoContainerReadsAsPlainProjectText) {
  const std::string text = "LGF03 is how this project text starts\r\n";
  auto stream = streamOf(text);
  const ProjectFileContents contents = readProjectFile(stream);
  EXPECT_FALSE(contents.isContainer);
  EXPECT_EQ(contents.language, "*");
  EXPECT_EQ(contents.text, text);

  auto newer = streamOf(containerBytes("06", 0, ""));
  EXPECT_EQ(readLanguage(newer), "*");
  EXPECT_EQ(logoErrorOf([&] { readProjectFile(newer); }).code, erImageFileVersionPlugin);
}

TEST(ContainerProbe, ChunkCountOfContainersOnly) {
  auto two = streamOf(containerBytes("04", 2, ""));
  EXPECT_EQ(chunkCount(two, ckProbeOnly), 2);
  auto text = streamOf("plain text");
  EXPECT_EQ(chunkCount(text, ckProjectFile), 0);
  EXPECT_EQ(logoErrorOf([&] { chunkCount(text, ckImageFile); }).code, erImageFile);
}

}  // namespace
}  // namespace lx
