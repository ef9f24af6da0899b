// The standard-plan data library's exports, looked up by name at run time. Each call hands out
// the plan record at `index` of its set (NUL-terminated, into a buffer of 512000 bytes) and sets
// *end to 0, or sets *end to 1 when there is no such entry. They always return 0.
#pragma once

#ifdef QB_BUILDING_PLANDATA
#define QB_PLANDATA_API extern "C" __declspec(dllexport)
#else
#define QB_PLANDATA_API extern "C"
#endif

QB_PLANDATA_API int m_GetPlanDataRireki(int index, int* end, char* buffer);
QB_PLANDATA_API int m_GetPlanDataHotKey(int index, int* end, char* buffer);
QB_PLANDATA_API int m_GetPlanDataHotKey2(int index, int* end, char* buffer);

// The names the program looks the exports up by.
inline constexpr const char* kPlanDataExportNames[3] = {
    "m_GetPlanDataRireki", "m_GetPlanDataHotKey", "m_GetPlanDataHotKey2"};
