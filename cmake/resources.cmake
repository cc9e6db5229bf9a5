# Built-in resources: every resource is a list of source files that the
# resource encoder turns into one generated C++ file.

set(LX_RESOURCE_ARGS "")
set(LX_RESOURCE_FILES "")

# lx_add_resource(TYPE NAME FORMAT GLOB_PATTERN): the files matching the
# pattern, in name order, make one resource.
function(lx_add_resource type name format pattern)
  file(GLOB files CONFIGURE_DEPENDS ${pattern})
  list(SORT files)
  if(NOT files)
    message(FATAL_ERROR "resource ${type}/${name}: no file matches ${pattern}")
  endif()
  set(LX_RESOURCE_ARGS ${LX_RESOURCE_ARGS} --resource ${type} ${name} ${format} ${files} PARENT_SCOPE)
  set(LX_RESOURCE_FILES ${LX_RESOURCE_FILES} ${files} PARENT_SCOPE)
endfunction()
