# The one table of the layers: each folder and the folders it may use, from the floor up. The
# core libraries link by it and the include check (CheckLayerIncludes.cmake) reads it.
# tools/radio-sim is an independent peer of the link: it may use nothing of src/.
set(KT740_LAYERS core image channels files link program platform ui/common ui/dialogs ui/main print app
    cli tools/radio-sim)

set(KT740_USES_core "")
set(KT740_USES_image core)
set(KT740_USES_channels image core)
set(KT740_USES_files channels image core)
set(KT740_USES_link image core)
set(KT740_USES_program files link channels image core)
set(KT740_USES_platform program files link channels image core)
set(KT740_USES_ui/common platform program files link channels image core)
set(KT740_USES_ui/dialogs ui/common platform program files link channels image core)
set(KT740_USES_ui/main ui/dialogs ui/common platform program files link channels image core)
set(KT740_USES_print ui/dialogs ui/common platform program files link channels image core)
set(KT740_USES_app ui/main print ui/dialogs ui/common platform program files link channels image core)
set(KT740_USES_cli platform program files link channels image core)
set(KT740_USES_tools/radio-sim "")

# Headers a folder includes against the table, each with its reason: "folder:header". None.
set(KT740_LAYER_EXCEPTIONS "")

# The Qt-free core: these folders build with the standard library alone.
set(KT740_CORE_LAYERS core image channels files link program)

# Where a folder's sources live.
function(kt740_layer_dir layer out)
  if(layer MATCHES "^tools/")
    set(${out} "${layer}" PARENT_SCOPE)
  else()
    set(${out} "src/${layer}" PARENT_SCOPE)
  endif()
endfunction()
