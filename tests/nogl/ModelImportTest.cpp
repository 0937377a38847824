// Model and image files that are damaged or declare more than they hold.
#include <gtest/gtest.h>

#include <assimp/Importer.hpp>
#include <assimp/scene.h>

#include "scene/MaterialLibraryCheck.h"
#include "scene/MeshStreams.h"
#include "scene/ModelImport.h"
#include "tests/TestFiles.h"

namespace
{
const std::string triangle = "v 0 0 0\nv 1 0 0\nv 0 1 0\n";

// ImportModel then BuildMeshStreams: the first error, or "" with `streams` filled.
std::string LoadStreams(const std::string& path, MeshStreams& streams)
{
    Assimp::Importer importer;
    std::string error;
    const aiScene* scene = ImportModel(importer, path, error);
    if (scene == nullptr)
        return error.empty() ? "no reason given" : error;
    return BuildMeshStreams(*scene, streams, error) ? "" : error;
}
}

TEST(ModelImportTest, RefusesBadIndicesAndLibrariesThatWouldCrashTheImporter)
{
    TempDir dir("model-limits");
    MeshStreams streams;
    EXPECT_EQ(LoadStreams(dir.Write("good.obj", triangle + "f 1 2 3\n"), streams), "");
    EXPECT_EQ(streams.indices.size(), 3u);
    EXPECT_EQ(streams.positions.size(), 9u);

    for (const char* faces : {"f 1 2 4\n", "f 1 2 99999999999\n", "f 0 1 2\n", "f -4 1 2\n"})
        EXPECT_NE(LoadStreams(dir.Write("bad.obj", triangle + faces), streams), "") << faces;
    EXPECT_NE(LoadStreams(dir.Path("missing.obj"), streams), "");

    dir.Write("early.mtl", "# a comment\n\nmap_Kd wood.png\nnewmtl wood\n");
    EXPECT_NE(LoadStreams(dir.Write("early.obj", "mtllib early.mtl\n" + triangle + "f 1 2 3\n"), streams)
                  .find("sets a texture or anisotropy before its first newmtl"),
              std::string::npos);
    // Wherever the library is named, in whatever case, after whatever blanks.
    EXPECT_NE(MaterialLibraryProblem(dir.Write("late.obj", triangle + "f 1 2 3\n \t MtlLib early.mtl\n")), "");
    // Every statement the importer's reader writes into a material that is not there yet.
    for (const char* early : {"BUMP b.png\n", "norm n.png\n", "disp d.png\n", "a 0.5\n", "map_Pr r.png\n"})
        EXPECT_TRUE(StatementBeforeFirstMaterial(early)) << early;
    EXPECT_FALSE(StatementBeforeFirstMaterial("Kd 1 1 1\nNs 10\nd 0.5\nnewmtl a\nmap_Kd a.png\na 0.5\n"));
    EXPECT_EQ(MaterialLibraryProblem(dir.Write("absent.obj", "mtllib absent.mtl\n")), "") << "a missing library is the importer's";
}
