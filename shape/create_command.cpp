#include "create_command.h"

#include "../dialog/star_dialog.h"
#include "mesh.h"
#include "star_params.h"

int32_t RunCreateCommand(MQDocument doc) {
  const HostFunctionTable& host = g_hostFunctions;
  MQWindow owner = host.MQ_GetWindowHandle();
  if (ShowStarDialog(owner) != 1) return 0;  // Cancel, close box, or no dialog at all
  DeriveStarParams(&g_starParams);
  g_starParams.materialIndex = host.MQDoc_GetCurrentMaterialIndex(doc);
  MQObject object = host.MQ_CreateObject();
  if (!object) return 0;
  BuildStarObject(&g_starParams, object);
  host.MQDoc_AddObject(doc, object);
  host.MQDoc_SetCurrentObjectIndex(doc, host.MQDoc_GetObjectCount(doc) - 1);  // the new, last one
  return 1;
}
