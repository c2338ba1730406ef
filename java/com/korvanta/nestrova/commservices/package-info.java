/**
 * The gateway as a device: its description and load, identity values, storage service rights, USB
 * devices and password registration. The classes describe the gateway, its JVM and OSGi framework,
 * report its CPU and RAM occupancy and uptime, switch its LEDs and reset it; read its identity values
 * (serial number, manufacturer OUI, default SSID name and passwords) as plain texts; read and set the
 * rights and accounts of its Samba, FTP and HTTP storage services; give bundles its USB devices and
 * list its USB storage; and carry out its password registration with the operator's network.
 */
package com.korvanta.nestrova.commservices;
