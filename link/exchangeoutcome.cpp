#include "exchangeoutcome.h"

bool Operation::reads() const
{
    return kind == Kind::ReadDevice || kind == Kind::ReadSlot || kind == Kind::SurveySlots
           || kind == Kind::VerifyDevice || kind == Kind::VerifySlot || kind == Kind::CompareDevice;
}

bool Operation::targetsConfigurator() const
{
    return kind == Kind::WriteSlot || kind == Kind::ClearConfigurator || kind == Kind::FirmwareToConfigurator;
}
