#include "FrameGraph.h"

#include <algorithm>
#include <cstdio>
#include <map>

namespace
{
void AddOnce(std::vector<PassImage>& images, const PassImage& image)
{
    if (std::find(images.begin(), images.end(), image) == images.end())
        images.push_back(image);
}

std::string StageName(int stage, const std::vector<std::string>& stageNames)
{
    return stage >= 0 && size_t(stage) < stageNames.size() ? stageNames[size_t(stage)] : "Interface";
}

// Name, size and format; a buffer has no size.
std::string ImageLabel(const PassImage& image)
{
    const std::string size =
        image.width > 0 ? std::to_string(image.width) + " x " + std::to_string(image.height) + " " : "";
    return image.name + "\\n" + size + image.format;
}

std::string PassLabel(const FramePass& pass, int otherImages)
{
    std::string label;
    for (const std::string& program : pass.programs)
        label += program + "\\n";
    label += std::to_string(pass.draws) + (pass.draws == 1 ? " draw" : " draws");
    if (otherImages > 0)
        label += ", " + std::to_string(otherImages) + (otherImages == 1 ? " other image" : " other images");
    if (pass.gpuMs >= 0.0)
    {
        char time[32];
        std::snprintf(time, sizeof time, ", %.2f ms", pass.gpuMs);
        label += time;
    }
    return label;
}

// A Graphviz string of a label whose lines are separated by "\n": quotes and
// other backslashes are escaped.
std::string Label(const std::string& label)
{
    std::string quoted = "\"";
    for (size_t i = 0; i < label.size(); ++i)
    {
        if (label[i] == '\\' && i + 1 < label.size() && label[i + 1] == 'n')
        {
            quoted += "\\n";
            ++i;
            continue;
        }
        if (label[i] == '"' || label[i] == '\\')
            quoted += '\\';
        quoted += label[i];
    }
    return quoted + "\"";
}
}

std::vector<FramePass> GroupFramePasses(const std::vector<DrawRecord>& draws, const std::vector<std::string>& stageNames)
{
    std::vector<FramePass> passes;
    for (const DrawRecord& draw : draws)
    {
        const std::string stage = StageName(draw.stage, stageNames);
        if (passes.empty() || passes.back().stage != stage || passes.back().writes != draw.writes)
            passes.push_back({stage, {}, draw.writes, {}, 0, -1.0});
        FramePass& pass = passes.back();
        ++pass.draws;
        if (std::find(pass.programs.begin(), pass.programs.end(), draw.program) == pass.programs.end())
            pass.programs.push_back(draw.program);
        for (const PassImage& image : draw.reads)
            AddOnce(pass.reads, image);
        if (draw.gpuMs >= 0.0)
            pass.gpuMs = std::max(pass.gpuMs, 0.0) + draw.gpuMs;
    }
    return passes;
}

std::string FrameGraphDot(const std::vector<FramePass>& passes)
{
    // Every image written, then the named ones that are only read; each unnamed
    // target gets the name of the stage that first writes it.
    std::vector<PassImage> images, written;
    std::vector<std::string> labels;
    std::map<std::string, int> targetsPerStage;
    for (const FramePass& pass : passes)
        for (const PassImage& image : pass.writes)
        {
            if (std::find(written.begin(), written.end(), image) != written.end())
                continue;
            written.push_back(image);
            images.push_back(image);
            PassImage shown = image;
            if (!image.named)
                shown.name = pass.stage + " target " + std::to_string(++targetsPerStage[pass.stage]);
            labels.push_back(ImageLabel(shown));
        }
    for (const FramePass& pass : passes)
        for (const PassImage& image : pass.reads)
            if (image.named && std::find(images.begin(), images.end(), image) == images.end())
            {
                images.push_back(image);
                labels.push_back(ImageLabel(image));
            }
    const auto shown = [&images](const PassImage& image) {
        return std::find(images.begin(), images.end(), image) != images.end();
    };
    const auto imageId = [&images](const PassImage& image) {
        return "i" + std::to_string(std::find(images.begin(), images.end(), image) - images.begin());
    };

    std::string dot = "digraph frame {\n  rankdir=LR;\n  node [fontname=\"sans\", fontsize=10];\n";
    size_t first = 0;
    for (int cluster = 0; first < passes.size(); ++cluster)
    {
        size_t end = first;
        while (end < passes.size() && passes[end].stage == passes[first].stage)
            ++end;
        dot += "  subgraph cluster_" + std::to_string(cluster) + " {\n    label=" + Label(passes[first].stage) +
               ";\n    style=rounded;\n";
        for (size_t i = first; i < end; ++i)
        {
            const int other = int(std::count_if(passes[i].reads.begin(), passes[i].reads.end(),
                                                [&shown](const PassImage& image) { return !shown(image); }));
            dot += "    p" + std::to_string(i) + " [shape=box, label=" + Label(PassLabel(passes[i], other)) + "];\n";
        }
        dot += "  }\n";
        first = end;
    }
    for (size_t i = 0; i < images.size(); ++i)
    {
        const bool made = i < written.size();
        dot += "  i" + std::to_string(i) + " [shape=ellipse, " + (made ? "" : "style=dashed, ") +
               "label=" + Label(labels[i]) + "];\n";
    }
    for (size_t i = 0; i < passes.size(); ++i)
    {
        const std::string pass = "p" + std::to_string(i);
        for (const PassImage& image : passes[i].reads)
            if (shown(image))
                dot += "  " + imageId(image) + " -> " + pass + ";\n";
        for (const PassImage& image : passes[i].writes)
            dot += "  " + pass + " -> " + imageId(image) + ";\n";
    }
    return dot + "}\n";
}
