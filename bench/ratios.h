#pragma once

// Start-up of the real window against a bare Qt window, each measured as a
// process from launch to the first idle moment of its event loop; printed as
// a table with the time ratio and the peak memory of both.
void ReportStartUp();
