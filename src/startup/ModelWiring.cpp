#include "startup/ModelWiring.h"

#include <memory>

#include "model/CScheduledList.h"
#include "model/CVModel.h"
#include "online/CFiList.h"
#include "reports/CCVReportList.h"

namespace startup {

void WireModel(CVModel& model) {
    model.SetListMakers(
        {.scheduled =
             [] { return std::unique_ptr<CCVItemList>(std::make_unique<CScheduledList>()); },
         .institutions = [] { return std::unique_ptr<CCVItemList>(std::make_unique<CFiList>()); }});
    model.SetReportMaker(&CCVReportList::MakeForModel);
}

}  // namespace startup
