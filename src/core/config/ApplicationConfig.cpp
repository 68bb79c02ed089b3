#include "ApplicationConfig.h"

CConfig& applicationConfig()
{
    static CConfig config;
    return config;
}
