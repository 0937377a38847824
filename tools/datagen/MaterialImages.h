#pragma once

class CDatasetWriter;

// The material maps of every model, beside the models that use them.
void WriteSnowAndGroundMaterials(CDatasetWriter& writer);
void WriteWoodMaterials(CDatasetWriter& writer);
void WriteStoneMaterials(CDatasetWriter& writer);
