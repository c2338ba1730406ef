/**
 * The gateway's telephony: VoIP events and the analogue telephone (POTS) lines. The classes subscribe
 * a bundle to VoIP events and unsubscribe it, and read the state of the gateway's POTS lines, at most
 * three.
 */
package com.korvanta.nestrova.voipservices;
