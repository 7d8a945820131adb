# SPDX-License-Identifier: GPL-3.0-or-later
# A pyftpdlib server on 127.0.0.1 for the transfer comparisons: prints its
# port, serves ROOT to USER with the password in $BENCH_FTP_PASSWORD.
import logging, os, sys
from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler
from pyftpdlib.servers import FTPServer
logging.disable(logging.CRITICAL)
root, user = sys.argv[1:3]
authorizer = DummyAuthorizer()
authorizer.add_user(user, os.environ["BENCH_FTP_PASSWORD"], root, perm="elradfmwMT")
FTPHandler.authorizer = authorizer
server = FTPServer(("127.0.0.1", 0), FTPHandler)
print(server.address[1], flush=True)
server.serve_forever()
