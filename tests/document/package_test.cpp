#include <gtest/gtest.h>

#include "base/app_context.h"
#include "base/archive.h"
#include "document/draw_object.h"
#include "document/package.h"
#include "document/project_file.h"
#include "document/vellum_doc.h"
#include "render/compositor.h"

namespace tessel {
namespace {

struct PackageScene {
  CAppContext app;
  CVellumDoc doc;
  CDrawObject* red;
  CDrawObject* blue;
  PackageScene() {
    doc.m_width = 80;
    doc.m_height = 60;
    red = doc.NewObject();
    red->m_color = 0x0000FF;
    red->CreateRectangle(10, 10, 30, 20);  // box (8, 8)-(32, 22)
    blue = doc.NewObject();
    blue->m_color = 0xFF0000;
    blue->CreateCircle(20, 15, 40, 35);  // box (18, 13)-(42, 37)
  }
  CDIBSection Composite() {
    CDIBSection out;
    EXPECT_TRUE(ComposeDocument(doc, 1, {}, out));
    return out;
  }
};

TEST(Packages, CreatePackageKeepsThePictureInPlace) {
  PackageScene s;
  const CDIBSection before = s.Composite();
  CDrawObject* package = CreatePackage(s.doc, {s.blue, s.red});  // taken in list order
  ASSERT_NE(package, nullptr);
  EXPECT_EQ(s.doc.ObjectCount(), 1);
  EXPECT_TRUE(package->IsPackage() && package->IsBitmap());
  EXPECT_EQ(package->m_name, "Package");
  EXPECT_EQ(package->GetBoxRect(), (CRect{8, 8, 42, 37}));
  EXPECT_EQ(package->m_packageInfo[0], 34);
  EXPECT_EQ(package->m_packageInfo[1], 29);
  EXPECT_EQ(package->m_imageWidth, 34);
  // The package draws what the two objects drew.
  EXPECT_TRUE(s.Composite() == before);
}

TEST(Packages, UnPackRestoresTheObjectsAtTheMovedPlace) {
  PackageScene s;
  const std::string redUid = s.red->m_uid;
  CDrawObject* package = CreatePackage(s.doc, {s.red, s.blue});
  package->m_left += 5;
  package->m_top += 7;
  std::string status;
  const std::vector<CDrawObject*> objects = UnPack(s.doc, package, &status);
  ASSERT_EQ(objects.size(), 2u);
  EXPECT_EQ(status, "2 objects selected");
  EXPECT_EQ(s.doc.ObjectCount(), 2);
  EXPECT_EQ(objects[0]->m_color, 0x0000FFu);  // list order kept: red below blue
  EXPECT_EQ(objects[0]->GetBoxRect(), (CRect{13, 15, 37, 29}));
  EXPECT_EQ(objects[1]->GetBoxRect(), (CRect{23, 20, 47, 44}));
  EXPECT_FALSE(objects[0]->m_bitmap.IsEmpty());
}

TEST(Packages, DamagedStreamIsRefusedAndNothingChanges) {
  PackageScene s;
  CDrawObject* package = CreatePackage(s.doc, {s.red, s.blue});
  std::vector<uint8_t> bytes = package->m_packageData;
  bytes.resize(bytes.size() / 2);
  package->SetPackageData(bytes);
  std::string message;
  EXPECT_TRUE(UnPack(s.doc, package, &message).empty());
  EXPECT_EQ(message, "The package data is damaged and can't be read.");
  EXPECT_EQ(s.doc.ObjectCount(), 1);

  package->SetPackageData({0xFF, 0xFF, 0xFF, 0x7F});  // a count no stream can hold
  EXPECT_FALSE(ReloadFromPackage(s.doc, *package).empty());
}

TEST(Packages, StreamCarriesTheSettings) {
  PackageScene s;
  s.doc.m_guidesV = {5, 9};
  s.doc.m_guidesH = {3};
  s.doc.m_gridDistance = 33;
  s.doc.m_snapToGuides = 0;
  const std::vector<uint8_t> stream = WritePackageStream({s.red}, s.doc);
  EXPECT_FALSE(App().m_compressBitmaps);  // given back after writing
  CVellumDoc read;
  ASSERT_EQ(ReadPackageStream(stream, read), "");
  EXPECT_EQ(read.ObjectCount(), 1);
  EXPECT_EQ(read.m_guidesV, (std::vector<int32_t>{5, 9}));
  EXPECT_EQ(read.m_guidesH, (std::vector<int32_t>{3}));
  EXPECT_EQ(read.m_gridDistance, 33);
  EXPECT_EQ(read.m_snapToGuides, 0);
}

TEST(Packages, ClonesMirrorThePackageAndSurviveCompaction) {
  PackageScene s;
  CDrawObject* package = CreatePackage(s.doc, {s.red, s.blue});
  package->m_bevelType = 3;
  CDrawObject* clone = CreateClone(s.doc, *package);
  ASSERT_NE(clone, nullptr);
  EXPECT_EQ(package->m_packageId, 1);
  EXPECT_EQ(clone->m_cloneOf, 1);
  EXPECT_EQ(clone->m_name, "Clone");
  EXPECT_EQ(clone->m_bevelType, 0);
  EXPECT_EQ(clone->GetBoxRect(), package->GetBoxRect());
  EXPECT_TRUE(clone->m_layer == package->m_layer);
  EXPECT_EQ(CreateClone(s.doc, *package)->m_cloneOf, 1);  // the id is given once

  const CDIBSection picture = package->m_layer.Clone();
  EXPECT_EQ(CompactPackages(s.doc), 3);
  EXPECT_TRUE(HasCompactedPackages(s.doc));
  CArchive ar;
  WriteProject(ar, s.doc, true);
  CVellumDoc loaded;
  CArchive in(ar.TakeBuffer());
  ASSERT_EQ(ReadProject(in, loaded), LoadResult::kLoaded);
  std::vector<std::string> messages;
  EXPECT_EQ(RebuildCompactedPackages(loaded, &messages), 3);
  EXPECT_TRUE(messages.empty());
  for (const auto& o : loaded.m_objects) EXPECT_TRUE(o->m_layer == picture) << o->m_name;
  EXPECT_FALSE(HasCompactedPackages(loaded));
}

TEST(Packages, ReloadResetsThePlacement) {
  PackageScene s;
  CDrawObject* package = CreatePackage(s.doc, {s.red});
  const CDIBSection picture = package->m_layer.Clone();
  package->m_layerScaleX = 3.0;
  package->m_layerAngle = 40;
  package->m_texOffsetX = 9;
  package->m_layer = CDIBSection();
  ASSERT_EQ(ReloadFromPackage(s.doc, *package), "");
  EXPECT_EQ(package->m_layerScaleX, 1.0);
  EXPECT_EQ(package->m_layerAngle, 0);
  EXPECT_EQ(package->m_texOffsetX, 0);
  EXPECT_TRUE(package->m_layer == picture);
}

}  // namespace
}  // namespace tessel
