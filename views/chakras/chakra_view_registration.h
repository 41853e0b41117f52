#pragma once
// Makes the chakra panes known to the pane registry, so the layout's chakra nodes show them.
void RegisterChakraViews();
