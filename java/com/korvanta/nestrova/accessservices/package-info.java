/**
 * The gateway's uplink and the diagnostics run from it: WAN connections, the PON interface, ping,
 * trace route, HTTP throughput tests and IP detection. The classes read the WAN connections and the
 * PON interface (settings, state and counters) and create, change and delete WAN connections, each
 * named by a WAN index that the gateway interprets. The ping, trace route and HTTP upload and download
 * tests run on the gateway on their own: a start method returns at once, and a result method later
 * fetches what the gateway holds. IP detection asks the gateway to probe an address and port.
 */
package com.korvanta.nestrova.accessservices;
