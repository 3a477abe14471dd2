#pragma once

// Start-up of the real window against a bare Qt window and one showing a line
// of text, each measured as a process from launch to the first idle moment of
// its event loop; printed with the ratios of time and of peak memory.
void ReportStartUp();
