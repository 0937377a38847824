#pragma once

#include <optional>
#include <string>
#include <vector>

#include "ImageComparison.h"

// One reference view: how to capture it and where its figures are not compared.
struct ReferenceView
{
    std::string name;
    std::vector<std::string> drivers; // Mesa drivers it is compared on, llvmpipe first
    std::string arguments;            // kestrune-capture's arguments, without --out
    std::vector<PixelRect> masks;     // window pixels left out (figures that follow real time)
    std::optional<PixelRect> crop;    // the window pixels compared; the whole frame when absent
};

// The most a driver's capture of a view may differ from the reference.
struct Tolerance
{
    std::string driver;
    std::string view; // empty: every view without a tolerance of its own
    double meanAbsolute = 0.0;
    double percentOver = 0.0;
    double worstBlockPercent = 0.0;

    bool Admits(const ImageDifference& difference) const;
};

struct ReferenceList
{
    int threshold = 16; // a pixel counts as off when a channel differs by more than this
    std::vector<ReferenceView> views;
    std::vector<Tolerance> tolerances;

    const ReferenceView* FindView(const std::string& name) const;
    // The view's own tolerance on the driver, else the driver's; nothing when neither is listed.
    const Tolerance* FindTolerance(const std::string& view, const std::string& driver) const;
};

// Parses the views file (see tests/references/views.txt); on a bad line returns
// nothing and says which line and why in `error`.
std::optional<ReferenceList> ParseReferenceList(const std::string& text, std::string& error);

// Reads and parses the views file at `path`.
std::optional<ReferenceList> LoadReferenceList(const std::string& path, std::string& error);
