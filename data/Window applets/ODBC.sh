#!/bin/sh
# The nearest settings page of the running desktop.
. "$(dirname "$0")/skrivebord.sh"
aabn "ODBC" "ODBCManageDataSourcesQ5" "ODBCManageDataSourcesQ5" "ODBCManageDataSourcesQ5"
