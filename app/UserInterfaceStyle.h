#pragma once

// Fonts, sizes and the grey colour scheme of every on-screen panel.
void ApplyUserInterfaceStyle();
