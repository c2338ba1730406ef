/**
 * How the gateway carries traffic: flow QoS, traffic rules and monitoring, VLAN binding and IPTV,
 * routing tables and the L2TP VPN. The classes cover per-flow QoS (counters, speeds, limits and DSCP
 * remarking); the rules that mirror or forward matching traffic or process HTTP traffic; each bundle's
 * traffic monitoring destinations; the VLAN binding of LAN interfaces and the IPTV status; the IPv4 and
 * IPv6 routing tables and their static routes; and the L2TP VPN client. The gateway keeps every rule,
 * list and table; these classes read and change them.
 */
package com.korvanta.nestrova.transferservices;
